// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// A keystroke in the Winding page's Length box and a step of its Winder ratio list, from the key
// event to the new card shown, in inches and in millimetres (the card then has five columns).

#include "core/calc_state.h"
#include "core/preferences.h"
#include "platform/CPropertySheet.h"
#include "ui/CTurnsDlg.h"
#include "ui/CWindingDlg.h"
#include "ui/resources/dialog_templates.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace kestrune {
namespace {

platform::CPropertySheet* sheet = nullptr;
CWindingDlg* page = nullptr;

// Each key event until the page has repainted; the median and the slowest besides the mean.
void typeAndTime(benchmark::State& run, int id, Qt::Key there, Qt::Key back) {
    preferences().setUnits(run.range(0) != 0 ? LengthUnit::Millimetre : LengthUnit::Inch);
    sheet->SetActivePage(0);
    sheet->SetActivePage(1);
    QWidget* box = page->GetDlgItem(id);
    box->setFocus();
    std::vector<double> took;
    bool typed = false;
    for (auto _ : run) {
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(box, typed ? back : there);
        QCoreApplication::processEvents();
        took.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
        typed = !typed;
    }
    std::sort(took.begin(), took.end());
    run.counters["median_us"] = took[took.size() / 2];
    run.counters["worst_us"] = took.back();
}

void BM_WindingLengthKeystroke(benchmark::State& run) {
    typeAndTime(run, IDC_LENGTH, Qt::Key_2, Qt::Key_Backspace);
}
BENCHMARK(BM_WindingLengthKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_WindingRatioStep(benchmark::State& run) {
    typeAndTime(run, IDC_WINDER_RATIO, Qt::Key_Down, Qt::Key_Up);
}
BENCHMARK(BM_WindingRatioStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kestrune

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    using namespace kestrune;
    calcState().table = kDefaultCalibration;
    CTurnsDlg turns;
    CWindingDlg winding;
    platform::CPropertySheet pages("Kestrune Ver. X.1F", nullptr, 0);
    pages.AddPage(&turns);
    pages.AddPage(&winding);
    sheet = &pages;
    page = &winding;
    QTimer::singleShot(0, [&] {
        benchmark::RunSpecifiedBenchmarks();
        QApplication::activeModalWidget()->close();
    });
    pages.DoModal();
    benchmark::Shutdown();
    return 0;
}
