// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The List page with a long motor list: Load, Save and scrolling through the real page, inside
// the program's page sheet on the offscreen platform. The file dialog is answered by its seam.
// The Batch Log page with a long log, shown afresh and added to.

#include "batches/batch_log_file.h"
#include "bench/sample_batch_log.h"
#include "files/file_io.h"
#include "files/start_directory.h"
#include "list/list_files.h"
#include "list/motor_rows.h"
#include "platform/CPropertySheet.h"
#include "platform/seams.h"
#include "ui/CBatchLogDlg.h"
#include "ui/CPageControl.h"
#include "ui/resources/dialog_templates.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <random>
#include <unistd.h>

namespace kestrune {
namespace {
namespace fs = std::filesystem;

constexpr int kRows = 100'000;
constexpr int kListTab = 3;

// A long list file of turns and torque rows, as the Add buttons make them.
std::string longListText() {
    std::vector<std::string> rows;
    rows.reserve(kRows);
    for (int i = 0; i < kRows; ++i) {
        const double n = static_cast<double>(i % 1000);
        rows.push_back(i % 2 == 0 ? formatTurnsRow({.strands = 14, .length = n, .turns = n * 3})
                                  : formatTorqueRow({.width = 0.25, .torque = n / 7}));
    }
    return formatListText(rows);
}

// The running List page, found once the sheet shows it.
struct Page {
    QWidget* sheet = nullptr;
    QListView* list = nullptr;
    QAbstractButton* load = nullptr;
    QAbstractButton* save = nullptr;
    fs::path folder;
    fs::path longFile;
};

Page& page() {
    static Page running;
    return running;
}

QAbstractButton* buttonOf(QWidget* sheet, const QString& caption) {
    for (QAbstractButton* button : sheet->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->text() == caption)
            return button;
    }
    return nullptr;
}

// Lets the view lay out and paint what the last step changed.
void settle() {
    QApplication::processEvents();
    page().list->viewport()->repaint();
}

void loadLongList() {
    page().load->click();
    settle();
}

void loadList100k(benchmark::State& state) {
    for (auto _ : state)
        loadLongList();
    if (page().list->model()->rowCount() != kRows + 1)
        state.SkipWithError("the list does not hold the file's rows");
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(loadList100k)->Unit(benchmark::kMillisecond);

void saveList100k(benchmark::State& state) {
    loadLongList();
    for (auto _ : state)
        page().save->click();
    if (fs::file_size(page().longFile) < std::size_t{kRows} * 10)
        state.SkipWithError("the list file was not written whole");
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(saveList100k)->Unit(benchmark::kMillisecond);

// One scrolling step per iteration; the slowest step is kept too, so that a stall shows.
template <class Step> void timeSteps(benchmark::State& state, Step step) {
    double worst = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        worst = std::max(worst, took.count());
    }
    state.counters["worst_ms"] = worst;
}

// The user pages down through the list, one key press per step; the selection follows.
void pageDownStep(benchmark::State& state) {
    loadLongList();
    QListView* list = page().list;
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    timeSteps(state, [list] {
        QTest::keyClick(list, Qt::Key_PageDown);
        settle();
    });
}
BENCHMARK(pageDownStep)->Unit(benchmark::kMicrosecond);

// The scroll bar dragged to far-apart places of the list, one jump per step.
void scrollBarJump(benchmark::State& state) {
    loadLongList();
    QScrollBar* bar = page().list->verticalScrollBar();
    std::minstd_rand random(7);
    std::uniform_int_distribution<int> place(0, bar->maximum());
    timeSteps(state, [&] {
        bar->setValue(place(random));
        settle();
    });
}
BENCHMARK(scrollBarJump)->Unit(benchmark::kMicrosecond);

// The sheet dragged a little wider and back, one size per step: the list relaid out and repainted.
void resizeSheet(benchmark::State& state) {
    loadLongList();
    QWidget* sheet = page().sheet;
    const QSize small = sheet->size();
    bool wider = false;
    timeSteps(state, [&] {
        wider = !wider;
        sheet->resize(small + (wider ? QSize(40, 30) : QSize(0, 0)));
        settle();
    });
    sheet->resize(small);
}
BENCHMARK(resizeSheet)->Unit(benchmark::kMicrosecond);

void writeBatchLog(int tests) {
    writeFileAtomically(
        programFilePath(kBatchLogFileName),
        formatBatchLog(bench::sampleBatchLog(static_cast<std::size_t>(tests)), 0.042));
}

// A sheet of the Batch Log page alone, shown afresh (its file read, both tables filled and
// painted); during() runs in it.
template <class During> void showBatchLog(During during) {
    CBatchLogDlg batchLog;
    platform::CPropertySheet sheet("Kestrune", nullptr, 0);
    sheet.AddPage(&batchLog);
    QTimer::singleShot(0, [&] {
        QApplication::processEvents();
        during(batchLog);
        static_cast<QDialog*>(QApplication::activeModalWidget())->reject();
    });
    sheet.DoModal();
}

void showBatchLog(benchmark::State& state) {
    writeBatchLog(static_cast<int>(state.range(0)));
    for (auto _ : state)
        showBatchLog([](CBatchLogDlg&) {});
}
BENCHMARK(showBatchLog)->Arg(0)->Arg(10'000)->Unit(benchmark::kMillisecond);

// The large log of 983,040 tests, each its own batch, shown afresh.
void showLargeBatchLog(benchmark::State& state) {
    writeFileAtomically(programFilePath(kBatchLogFileName), bench::largeBatchLogPieces());
    for (auto _ : state)
        showBatchLog([](CBatchLogDlg&) {});
}
BENCHMARK(showLargeBatchLog)->Unit(benchmark::kMillisecond);

// Add, with the whole log written, until the new row has painted: of 10,000 tests in forty
// batches, and of the large log.
void addToBatchLog(benchmark::State& state, void (*write)()) {
    write();
    showBatchLog([&state](CBatchLogDlg& batchLog) {
        batchLog.GetEdit(IDC_BATCH).SetWindowText("New");
        batchLog.GetEdit(IDC_LENGTH).SetWindowText("12.5");
        auto* add = qobject_cast<QAbstractButton*>(batchLog.GetDlgItem(IDC_ADD));
        for (auto _ : state) {
            state.PauseTiming();
            batchLog.GetEdit(IDC_TEST_TURNS).SetWindowText("1300");
            state.ResumeTiming();
            add->click();
            QApplication::processEvents();
        }
        state.counters["tests"] = batchLog.GetListBox(IDC_TESTS).GetCount() - 1;
    });
}
void addToBatchLog10k(benchmark::State& state) {
    addToBatchLog(state, [] { writeBatchLog(10'000); });
}
BENCHMARK(addToBatchLog10k)->Unit(benchmark::kMillisecond);
void addToLargeBatchLog(benchmark::State& state) {
    addToBatchLog(state, [] {
        writeFileAtomically(programFilePath(kBatchLogFileName), bench::largeBatchLogPieces());
    });
}
BENCHMARK(addToLargeBatchLog)->Unit(benchmark::kMillisecond);

// Runs inside the sheet's modal loop, the List page shown: the benchmarks, then Cancel.
void runInsideSheet() {
    Page& p = page();
    p.sheet = QApplication::activeModalWidget();
    for (auto* box : p.sheet->findChildren<QListView*>()) {
        if (box->isVisible() && box->accessibleName() == QStringLiteral("Rubber Motor List"))
            p.list = box;
    }
    p.load = buttonOf(p.sheet, QStringLiteral("Load"));
    p.save = buttonOf(p.sheet, QStringLiteral("Save"));
    if (p.list == nullptr || p.load == nullptr || p.save == nullptr) {
        std::fputs("bench_list_page: the List page was not found\n", stderr);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    static_cast<QDialog*>(p.sheet)->reject();
}

} // namespace
} // namespace kestrune

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    using namespace kestrune;
    // The page needs widgets, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;

    // A scratch start folder, so the List page's kes.dta is never one of the user's files.
    std::string folder = (fs::temp_directory_path() / "kestrune-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        return EXIT_FAILURE;
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    startDirectory();
    Page& p = page();
    p.folder = folder;
    p.longFile = p.folder / "long.dta";
    if (!writeFileAtomically(p.longFile, longListText()).done())
        return EXIT_FAILURE;
    platform::setFileDialogHook([](const platform::FileDialogRequest&) -> std::optional<fs::path> {
        return page().longFile;
    });

    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    {
        CPageControl sheet("Kestrune", nullptr, kListTab);
        QTimer::singleShot(0, &runInsideSheet);
        sheet.DoModal();
    }
    platform::setFileDialogHook({});
    fs::current_path(before);
    std::error_code ignored;
    fs::remove_all(p.folder, ignored);
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
