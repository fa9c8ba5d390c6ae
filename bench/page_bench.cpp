// One keystroke in the Length box and one Strands step, from the key event to the new result
// shown, on the real Breaking Turns page; also with 100,000 earlier results in its list.

#include "core/calc_state.h"
#include "platform/CPropertySheet.h"
#include "settings/settings_file.h"
#include "ui/CTorqueDlg.h"
#include "ui/CTurnsDlg.h"
#include "ui/resources/dialog_templates.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace kestrune {
namespace {

CTurnsDlg* page = nullptr;

void fillResults(int earlier) {
    platform::ListBox results = page->GetListBox(IDC_TURNS_RESULT);
    results.ResetContent();
    for (int i = 0; i < earlier; ++i)
        results.AddString("604");
}

// Types a digit and takes it back again, alternately: every keystroke gives a result.
void BM_LengthKeystroke(benchmark::State& run) {
    fillResults(static_cast<int>(run.range(0)));
    QWidget* length = page->GetDlgItem(IDC_LENGTH);
    length->setFocus();
    QTest::keyClick(length, Qt::Key_1);
    bool typed = false;
    for (auto _ : run) {
        QTest::keyClick(length, typed ? Qt::Key_Backspace : Qt::Key_2);
        QCoreApplication::processEvents(); // the result list repaints
        typed = !typed;
    }
    run.counters["results"] = page->GetListBox(IDC_TURNS_RESULT).GetCount();
}
BENCHMARK(BM_LengthKeystroke)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_StrandsStep(benchmark::State& run) {
    fillResults(static_cast<int>(run.range(0)));
    QWidget* strands = page->GetDlgItem(IDC_STRANDS);
    strands->setFocus();
    bool down = false;
    for (auto _ : run) {
        QTest::keyClick(strands, down ? Qt::Key_Down : Qt::Key_Up);
        QCoreApplication::processEvents();
        down = !down;
    }
}
BENCHMARK(BM_StrandsStep)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kestrune

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    using namespace kestrune;
    loadSettings(calcState(), settingsFilePath());
    CTurnsDlg turns;
    CTorqueDlg torque;
    platform::CPropertySheet sheet("Kestrune Ver. X.1F", nullptr, 0);
    sheet.AddPage(&turns);
    sheet.AddPage(&torque);
    page = &turns;
    QTimer::singleShot(0, [&] {
        benchmark::RunSpecifiedBenchmarks();
        QApplication::activeModalWidget()->close();
    });
    sheet.DoModal();
    benchmark::Shutdown();
    return 0;
}
