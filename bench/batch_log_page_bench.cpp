// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Batch Log page with a long log, on the offscreen platform: the page shown with its file
// read and both tables filled, and Add with the whole file written again.

#include "core/file_io.h"
#include "core/start_directory.h"
#include "list/batch_log.h"
#include "platform/CPropertySheet.h"
#include "ui/CBatchLogDlg.h"
#include "ui/resources/dialog_templates.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <unistd.h>

namespace kestrune {
namespace {
namespace fs = std::filesystem;

void writeLog(int tests) {
    std::vector<BatchLogEntry> log(static_cast<std::size_t>(tests));
    for (int i = 0; i < tests; ++i) {
        const int n = i % 100;
        log[static_cast<std::size_t>(i)].test = {"Batch " + std::to_string(i % 40),
                                                 "2026-03-14",
                                                 n % 3,
                                                 n % 5,
                                                 2 + n % 30,
                                                 10 + n * 0.25,
                                                 900 + n * 7,
                                                 2.5 + n * 0.01,
                                                 3.0 + n % 2,
                                                 "dry, \"new\"\nbox"};
    }
    writeFileAtomically(batchLogFilePath(), formatBatchLog(log, 0.042));
}

// Runs a sheet whose one page is the Batch Log, with during() inside it once it has painted.
template <class During> void runPage(During during) {
    CBatchLogDlg page;
    platform::CPropertySheet sheet("Kestrune", nullptr, 0);
    sheet.AddPage(&page);
    QTimer::singleShot(0, [&] {
        QApplication::processEvents();
        during(page);
        QApplication::activeModalWidget()->close();
    });
    sheet.DoModal();
}

// From the page's first showing (file read, tables filled) until it has painted.
void BM_ShowLog(benchmark::State& run) {
    writeLog(static_cast<int>(run.range(0)));
    for (auto _ : run)
        runPage([](CBatchLogDlg&) {});
}
BENCHMARK(BM_ShowLog)->Arg(0)->Arg(10'000)->Unit(benchmark::kMillisecond);

// One click on Add, until the new row has painted.
void BM_AddTest(benchmark::State& run) {
    writeLog(10'000);
    runPage([&run](CBatchLogDlg& page) {
        for (const auto& [id, text] : {std::pair{IDC_BATCH, "New"}, {IDC_LENGTH, "12.5"}})
            page.GetEdit(id).SetWindowText(text);
        auto* add = qobject_cast<QAbstractButton*>(page.GetDlgItem(IDC_ADD));
        for (auto _ : run) {
            run.PauseTiming();
            page.GetEdit(IDC_TEST_TURNS).SetWindowText("1300");
            run.ResumeTiming();
            add->click();
            QApplication::processEvents();
        }
        run.counters["tests"] = page.GetListBox(IDC_TESTS).GetCount() - 1;
    });
}
BENCHMARK(BM_AddTest)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrune

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    // A scratch start folder, so the page's kes-batches.csv is never one of the user's files.
    std::string folder = (fs::temp_directory_path() / "kestrune-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        return EXIT_FAILURE;
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    kestrune::startDirectory();
    int qtArgc = 1;
    {
        QApplication application(qtArgc, argv);
        benchmark::RunSpecifiedBenchmarks();
    }
    fs::current_path(before);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
