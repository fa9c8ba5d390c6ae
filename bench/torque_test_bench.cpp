// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Torque Test page's model: a meter log of 100,000 readings imported to its results and
// curve, and one typed torque to new results on a test of a few hundred readings; and
// kes-torque.csv of 100,000 lines read, written, and a test added to it.

#include "batches/torque_log_file.h"
#include "core/memory_file.h"
#include "core/number_text.h"
#include "models/torque_test_model.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <string>

namespace kestrune {
namespace {

// A meter's time log: wound, held and let down, in ms with a unit column.
std::string meterLog(std::size_t readings) {
    std::string text = ",programTime,relativeTime,torque,unit\n";
    for (std::size_t i = 0; i < readings; ++i) {
        const double share = static_cast<double>(i) / static_cast<double>(readings);
        const double torque = 12 * std::sin(share * 3.14159);
        text += std::to_string(i) + ',' + std::to_string(6641 + i * 10) + ',' +
                std::to_string(i * 10) + ',' + formatShortest(torque) + ",ozin\n";
    }
    return text;
}

void importMeterLog100k(benchmark::State& state) {
    const std::string text = meterLog(100'000);
    const CalcState calc;
    const Preferences prefs;
    TorqueTestModel model(calc, prefs);
    TorqueTestTexts texts = model.start();
    texts.totalTurns = "1200";
    texts.weight = "10";
    model.type(texts);
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.readMeterText(text));
        benchmark::DoNotOptimize(model.results().energyOut);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(importMeterLog100k)->Unit(benchmark::kMillisecond);

void typedTorqueToResults(benchmark::State& state) {
    const CalcState calc;
    const Preferences prefs;
    TorqueTestModel model(calc, prefs);
    model.start();
    for (int i = 0; i < 300; ++i)
        model.addReading(formatInt(1200 - i * 4), formatShortest(12 - i * 0.04));
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.addReading("0", "0.5"));
        model.removeReading(model.readingsRows() - 1);
    }
}
BENCHMARK(typedTorqueToResults)->Unit(benchmark::kMicrosecond);

// 1,000 tests of 100 readings, each test's lines together as Kestrune writes them.
TorqueLog torqueLog() {
    TorqueLog log;
    for (int number = 1; number <= 1000; ++number) {
        TorqueTest test;
        test.batch = "Batch " + std::to_string(number % 7);
        test.date = "2026-03-14";
        test.length = 12;
        test.weight = 20;
        for (int i = 0; i < 100; ++i)
            test.readings.push_back({i < 50 ? i * 20.0 : (99 - i) * 20.0, i < 50 ? i * 0.2 : 8});
        log.emplace_back(number, std::move(test));
    }
    return *parseTorqueLog(formatTorqueLog(log)); // with the places of a log read
}

void readTorqueLog100k(benchmark::State& state) {
    const std::string text = formatTorqueLog(torqueLog());
    for (auto _ : state)
        benchmark::DoNotOptimize(parseTorqueLog(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(readTorqueLog100k)->Unit(benchmark::kMillisecond);

void writeTorqueLog100k(benchmark::State& state) {
    const TorqueLog log = torqueLog();
    for (auto _ : state)
        benchmark::DoNotOptimize(formatTorqueLog(log));
}
BENCHMARK(writeTorqueLog100k)->Unit(benchmark::kMillisecond);

void addToTorqueLog100k(benchmark::State& state) {
    const std::string text = formatTorqueLog(torqueLog());
    const TorqueTest added = torqueLog().front().test();
    for (auto _ : state) {
        state.PauseTiming();
        MemoryFile file("kes-torque.csv", text);
        TorqueLog log;
        loadTorqueLog(log, file);
        state.ResumeTiming();
        benchmark::DoNotOptimize(changeTorqueLog(log, {std::nullopt, added}, file));
    }
}
BENCHMARK(addToTorqueLog100k)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrune
