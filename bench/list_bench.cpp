// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batches/batch_rows.h"
#include "bench/sample_batch_log.h"
#include "files/disk_file.h"
#include "list/list_files.h"
#include "list/motor_rows.h"
#include "models/batch_log_model.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

namespace kestrune {
namespace {
namespace fs = std::filesystem;

constexpr std::size_t kRows = 100'000;

// A long list as the List page would hold it: header row, then turns and torque rows.
std::vector<std::string> longList() {
    std::vector<std::string> rows{std::string(kHeaderRow)};
    for (std::size_t i = 0; i < kRows; ++i) {
        const double n = static_cast<double>(i % 1000);
        rows.push_back(i % 2 == 0 ? formatTurnsRow({.strands = 14, .length = n, .turns = n * 3})
                                  : formatTorqueRow({.width = 0.25, .torque = n / 7}));
    }
    return rows;
}

MotorListView viewOf(const std::vector<std::string>& rows) {
    return {rows.size(), [&rows](std::size_t i) { return rows[i]; }};
}

fs::path scratchFile(const char* name) {
    const fs::path folder =
        fs::temp_directory_path() / ("kestrune-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    return folder / name;
}

void removeScratch(const fs::path& file) {
    std::error_code ec;
    fs::remove_all(file.parent_path(), ec);
}

void formatRows(benchmark::State& state) {
    const TurnsMotor turns{.type = 1, .width = 0.09375, .strands = 8, .length = 24, .turns = 646};
    const TorqueMotor torque{.width = 0.25, .strands = 12, .limit = 80, .torque = 15.037};
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatTurnsRow(turns));
        benchmark::DoNotOptimize(formatTorqueRow(torque));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(formatRows);

void packRows100k(benchmark::State& state) {
    const std::vector<std::string> list = longList();
    MotorListBuffer buffer;
    for (auto _ : state) {
        packRows(buffer, viewOf(list), 1);
        benchmark::DoNotOptimize(buffer.rows.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kRows));
}
BENCHMARK(packRows100k)->Unit(benchmark::kMillisecond);

void writeListFile100k(benchmark::State& state) {
    const fs::path file = scratchFile("write.dta");
    DiskFile disk(file);
    MotorListBuffer buffer;
    packRows(buffer, viewOf(longList()), 1);
    for (auto _ : state) {
        if (!writeListFile(buffer, disk).done())
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(file)));
    removeScratch(file);
}
BENCHMARK(writeListFile100k)->Unit(benchmark::kMillisecond);

void readListFile100k(benchmark::State& state) {
    const fs::path file = scratchFile("read.dta");
    DiskFile disk(file);
    MotorListBuffer buffer;
    packRows(buffer, viewOf(longList()), 1);
    if (!writeListFile(buffer, disk).done())
        state.SkipWithError("could not write the list file to read");
    for (auto _ : state) {
        if (!readListFile(buffer, disk).done())
            state.SkipWithError("read failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(file)));
    removeScratch(file);
}
BENCHMARK(readListFile100k)->Unit(benchmark::kMillisecond);

constexpr std::size_t kTests = 10'000;

// What the Batch Log page does when it is first shown: read, summarise, fill both lists.
void loadAndShowBatchLog10k(benchmark::State& state) {
    const fs::path file = scratchFile("kes-batches.csv");
    DiskFile disk(file);
    if (!disk.write(formatBatchLog(bench::sampleBatchLog(kTests), 0.042)).done())
        state.SkipWithError("could not write the log to read");
    for (auto _ : state) {
        BatchLog log;
        if (!loadBatchLog(log, disk).done())
            state.SkipWithError("read failed");
        std::vector<std::string> rows;
        rows.reserve(log.size());
        for (const BatchLogEntry& entry : log)
            rows.push_back(formatTestRow(entry, 0.042, LengthUnit::Millimetre));
        for (const BatchSummary& summary : summariseBatches(log, 0.042))
            rows.push_back(formatBatchRow(summary));
        benchmark::DoNotOptimize(rows.data());
    }
    removeScratch(file);
}
BENCHMARK(loadAndShowBatchLog10k)->Unit(benchmark::kMillisecond);

// Add: the whole log of ten thousand tests written again; the test is taken out of the log again
// for the next round, so the file grows by one test only.
void addTestToBatchLog10k(benchmark::State& state) {
    const fs::path file = scratchFile("kes-batches.csv");
    DiskFile disk(file);
    BatchLog log;
    if (!disk.write(formatBatchLog(bench::sampleBatchLog(kTests), 0.042)).done() ||
        !loadBatchLog(log, disk).done())
        state.SkipWithError("could not write and read the log");
    const BreakTest test{"New", "2026-03-15", 0, 2, 2, 12.5, 1300, 2.75, 2.2, "note"};
    for (auto _ : state) {
        if (!addBreakTest(log, test, disk, 0.042).done())
            state.SkipWithError("write failed");
        state.PauseTiming();
        log.pop_back();
        state.ResumeTiming();
    }
    removeScratch(file);
}
BENCHMARK(addTestToBatchLog10k)->Unit(benchmark::kMillisecond);

// The rows the Batch Log page makes when it is shown or changed: a screen of tests, the batches.
void makeShownRows(const BatchLogModel& model) {
    for (int row = 0; row < std::min(model.testsRows(), 40); ++row)
        benchmark::DoNotOptimize(model.testsRow(row));
    for (int row = 0; row < std::min(model.batchesRows(), 40); ++row)
        benchmark::DoNotOptimize(model.batchesRow(row));
}

// The large log opened as the page opens it: read, summarised and its rows made.
void openLargeBatchLog(benchmark::State& state) {
    const fs::path file = scratchFile("kes-batches.csv");
    DiskFile disk(file);
    if (!disk.writePieces(bench::largeBatchLogPieces(), kMaxBatchLogBytes).done())
        state.SkipWithError("could not write the log to read");
    for (auto _ : state) {
        CalcState calc;
        Preferences preferences;
        BatchLogModel model(calc, preferences);
        if (!model.load(disk).done())
            state.SkipWithError("read failed");
        makeShownRows(model);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(file)));
    removeScratch(file);
}
BENCHMARK(openLargeBatchLog)->Unit(benchmark::kMillisecond);

// Add to the large log, unchanged on disk: the file written again and the rows made.
void addToLargeBatchLog(benchmark::State& state) {
    const fs::path file = scratchFile("kes-batches.csv");
    DiskFile disk(file);
    CalcState calc;
    Preferences preferences;
    BatchLogModel model(calc, preferences);
    if (!disk.writePieces(bench::largeBatchLogPieces(), kMaxBatchLogBytes).done() ||
        !model.load(disk).done())
        state.SkipWithError("could not write and read the log");
    const BreakTestTexts texts{"New", "2026-03-15", 0, 2, "2", "12.5", "1300", "", "", ""};
    for (auto _ : state) {
        if (model.typeTest(texts) || !model.addTypedTest(disk).done())
            state.SkipWithError("not added");
        makeShownRows(model);
    }
    state.counters["tests"] = model.testsRows() - 1;
    removeScratch(file);
}
BENCHMARK(addToLargeBatchLog)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrune
