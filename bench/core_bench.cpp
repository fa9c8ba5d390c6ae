// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// One computation of each kind and one settings load and save: the work behind a keystroke
// on a calculation page, and behind start and exit.

#include "core/breaking_torque.h"
#include "core/breaking_turns.h"
#include "core/calibration.h"
#include "core/number_text.h"
#include "core/winding_card.h"
#include "files/disk_file.h"
#include "settings/settings_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace kestrune {
namespace {

void BM_BreakingTurns(benchmark::State& run) {
    CalcState state;
    state.turnsConstant = 107;
    double length = 1;
    for (auto _ : run) {
        benchmark::DoNotOptimize(computeBreakingTurns(state, 0.125, 4, 80, length, false));
        length = length < 1000 ? length + 1 : 1;
    }
}
BENCHMARK(BM_BreakingTurns);

void BM_BreakingTorque(benchmark::State& run) {
    CalcState state;
    state.torqueConstant = 2.7;
    bool vorlick = false;
    for (auto _ : run) {
        benchmark::DoNotOptimize(computeBreakingTorque(state, 0.125, 4, 80, vorlick));
        vorlick = !vorlick;
    }
}
BENCHMARK(BM_BreakingTorque);

void BM_Calibration(benchmark::State& run) {
    CalcState state;
    int width = 0;
    for (auto _ : run) {
        benchmark::DoNotOptimize(calibrateTurnsConstant(state, 107.4, width));
        width = (width + 1) % kStripWidthCount;
    }
}
BENCHMARK(BM_Calibration);

// A change of any input on the Winding page: the card built and written out.
void BM_WindingCard(benchmark::State& run) {
    CalcState state;
    state.table = kDefaultCalibration;
    WindingMotor motor{TanII, 2, 14, 20, false, 16, 4};
    for (auto _ : run) {
        const WindingCard card = buildWindingCard(state, motor, pageConstants(state, motor.type));
        benchmark::DoNotOptimize(formatCardText(card, LengthUnit::Millimetre));
        motor.length = motor.length < 40 ? motor.length + 0.5 : 1;
    }
}
BENCHMARK(BM_WindingCard);

void BM_ParseNumber(benchmark::State& run) {
    for (auto _ : run)
        benchmark::DoNotOptimize(parseNumber("  2.70 oz/in"));
}
BENCHMARK(BM_ParseNumber);

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() /
           ("kestrune-bench-" + std::to_string(::getpid()) + ".cfg");
}

void BM_SaveSettings(benchmark::State& run) {
    CalcState state;
    state.table = {{112.6, 95, 88}, {2.7, 1.2, 0.85}};
    DiskFile file(benchFile());
    for (auto _ : run) {
        if (!saveSettings(state, file).done())
            run.SkipWithError("settings could not be written");
    }
    std::filesystem::remove(file.path());
}
BENCHMARK(BM_SaveSettings);

void BM_LoadSettings(benchmark::State& run) {
    CalcState state;
    state.table = {{112.6, 95, 88}, {2.7, 1.2, 0.85}};
    DiskFile file(benchFile());
    saveSettings(state, file);
    for (auto _ : run) {
        loadSettings(state, file);
        benchmark::DoNotOptimize(state.table);
    }
    std::filesystem::remove(file.path());
}
BENCHMARK(BM_LoadSettings);

} // namespace
} // namespace kestrune
