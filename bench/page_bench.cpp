// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// One keystroke in the Length box and one Strands step, from the key event to the new result
// shown, on the real Breaking Turns page; also with 100,000 earlier results in its list. One
// keystroke in the Motor Weight page's Weight (g), to its length and four results shown. A
// keystroke in the Winding page's Length box and a step of its Winder ratio list until its card
// is shown, in inches and millimetres (the card then has five columns).

#include "core/calc_state.h"
#include "core/preferences.h"
#include "files/disk_file.h"
#include "files/start_directory.h"
#include "platform/CPropertySheet.h"
#include "settings/settings_file.h"
#include "ui/CMotorWeightDlg.h"
#include "ui/CTorqueDlg.h"
#include "ui/CTurnsDlg.h"
#include "ui/CWindingDlg.h"
#include "ui/resources/dialog_templates.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace kestrune {
namespace {

CTurnsDlg* page = nullptr;
CMotorWeightDlg* weightPage = nullptr;
CWindingDlg* winding = nullptr;
platform::CPropertySheet* sheet = nullptr;

void fillResults(int earlier) {
    platform::ListBox results = page->GetListBox(IDC_TURNS_RESULT);
    results.ResetContent();
    for (int i = 0; i < earlier; ++i)
        results.AddString("604");
}

// Times each step (a key event until the result list has repainted) and reports the median
// and the slowest step besides the mean, so that a stall shows.
template <class Step> void timeKeystrokes(benchmark::State& run, Step step) {
    std::vector<double> took;
    for (auto _ : run) {
        const auto start = std::chrono::steady_clock::now();
        step();
        QCoreApplication::processEvents(); // the result list repaints
        took.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(took.begin(), took.end());
    run.counters["median_us"] = took[took.size() / 2];
    run.counters["worst_us"] = took.back();
}

// A key in the box and the key that takes it back, alternately, each timed.
void timeThereAndBack(benchmark::State& run, QWidget* box, Qt::Key there, Qt::Key back) {
    box->setFocus();
    bool typed = false;
    timeKeystrokes(run, [&] {
        QTest::keyClick(box, typed ? back : there);
        typed = !typed;
    });
}

// Types a digit and takes it back again, alternately: every keystroke gives a result.
void BM_LengthKeystroke(benchmark::State& run) {
    fillResults(static_cast<int>(run.range(0)));
    QWidget* length = page->GetDlgItem(IDC_LENGTH);
    length->setFocus();
    QTest::keyClick(length, Qt::Key_1);
    timeThereAndBack(run, length, Qt::Key_2, Qt::Key_Backspace);
    run.counters["results"] = page->GetListBox(IDC_TURNS_RESULT).GetCount();
}
BENCHMARK(BM_LengthKeystroke)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_StrandsStep(benchmark::State& run) {
    fillResults(static_cast<int>(run.range(0)));
    timeThereAndBack(run, page->GetDlgItem(IDC_STRANDS), Qt::Key_Up, Qt::Key_Down);
}
BENCHMARK(BM_StrandsStep)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_MotorWeightKeystroke(benchmark::State& run) {
    sheet->SetActivePage(2);
    QWidget* weight = weightPage->GetDlgItem(IDC_WEIGHT);
    weight->setFocus();
    QTest::keyClick(weight, Qt::Key_1);
    timeThereAndBack(run, weight, Qt::Key_2, Qt::Key_Backspace);
}
BENCHMARK(BM_MotorWeightKeystroke)->Unit(benchmark::kMicrosecond);

// The same in a box of the Winding page, in inches (0) or millimetres (1).
void windingStep(benchmark::State& run, int id, Qt::Key there, Qt::Key back) {
    preferences().setUnits(run.range(0) != 0 ? LengthUnit::Millimetre : LengthUnit::Inch);
    sheet->SetActivePage(0);
    sheet->SetActivePage(3);
    timeThereAndBack(run, winding->GetDlgItem(id), there, back);
}

void BM_WindingLengthKeystroke(benchmark::State& run) {
    windingStep(run, IDC_LENGTH, Qt::Key_2, Qt::Key_Backspace);
}
BENCHMARK(BM_WindingLengthKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_WindingRatioStep(benchmark::State& run) {
    windingStep(run, IDC_WINDER_RATIO, Qt::Key_Down, Qt::Key_Up);
}
BENCHMARK(BM_WindingRatioStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kestrune

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    using namespace kestrune;
    DiskFile settings(programFilePath(kSettingsFileName));
    loadSettings(calcState(), settings);
    CTurnsDlg turns;
    CTorqueDlg torque;
    CMotorWeightDlg weight;
    CWindingDlg windingPage;
    platform::CPropertySheet pages("Kestrune Ver. X.1F", nullptr, 0);
    pages.AddPage(&turns);
    pages.AddPage(&torque);
    pages.AddPage(&weight);
    pages.AddPage(&windingPage);
    page = &turns;
    weightPage = &weight;
    winding = &windingPage;
    sheet = &pages;
    QTimer::singleShot(0, [&] {
        benchmark::RunSpecifiedBenchmarks();
        QApplication::activeModalWidget()->close();
    });
    pages.DoModal();
    benchmark::Shutdown();
    return 0;
}
