// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// kestrune-calc over a spreadsheet of 100,000 motors: the run as a script makes it, without the
// process and the disk.

#include "cli/run_calc.h"
#include "core/memory_file.h"

#include <benchmark/benchmark.h>
#include <sstream>

namespace kestrune {
namespace {

// Strands, length and Vorlick vary; the card has every limit, the other commands take one.
std::string motors(std::size_t count, bool limits) {
    std::string csv = limits ? "type,width,strands,length,vorlick,limit\n"
                             : "type,width,strands,length,vorlick\n";
    for (std::size_t i = 0; i < count; ++i) {
        csv += "Tan II,1/8," + std::to_string(2 + 2 * (i % 18)) + "," + std::to_string(1 + i % 40) +
               "," + (i % 7 == 0 ? "yes" : "0");
        if (limits)
            csv += "," + std::to_string(100 - 5 * (i % 11));
        csv += "\n";
    }
    return csv;
}

void runOver(benchmark::State& state, const std::vector<std::string>& args) {
    const std::string input = motors(100'000, args.front() != "card");
    const FileOpener open = [&](const std::string& path) {
        return std::make_unique<MemoryFile>(path, path == "motors.csv" ? std::optional(input)
                                                                       : std::nullopt);
    };
    for (auto _ : state) {
        std::ostringstream out, err;
        if (runCalc(args, out, err, open) != 0)
            state.SkipWithError(err.str().substr(0, 200).c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
}

void BM_CliTurnsInput100k(benchmark::State& state) {
    runOver(state, {"turns", "--input", "motors.csv"});
}
BENCHMARK(BM_CliTurnsInput100k)->Unit(benchmark::kMillisecond);

void BM_CliCardJsonInput100k(benchmark::State& state) {
    runOver(state, {"card", "--input", "motors.csv", "--format", "json"});
}
BENCHMARK(BM_CliCardJsonInput100k)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrune
