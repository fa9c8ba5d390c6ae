// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// kestrune-calc over a spreadsheet of 100,000 motors: the run as a script makes it, without the
// process and the disk.

#include "cli/run_calc.h"
#include "core/memory_file.h"

#include <benchmark/benchmark.h>
#include <ostream>
#include <sstream>
#include <streambuf>

namespace kestrune {
namespace {

// Strands and length vary, and Vorlick where the command takes it; the card has every limit, the
// other commands take one.
std::string motors(std::size_t count, const std::string& command) {
    const bool vorlick = command != "weight";
    const bool limit = command != "card";
    const bool length = command != "torque";
    std::string csv = std::string("type,width,strands") + (length ? ",length" : "") +
                      (vorlick ? ",vorlick" : "") + (limit ? ",limit" : "") + "\n";
    for (std::size_t i = 0; i < count; ++i) {
        csv += "Tan II,1/8," + std::to_string(2 + 2 * (i % 18));
        if (length)
            csv += "," + std::to_string(1 + i % 40);
        if (vorlick)
            csv += i % 7 == 0 ? ",yes" : ",0";
        if (limit)
            csv += "," + std::to_string(100 - 5 * (i % 11));
        csv += "\n";
    }
    return csv;
}

// Standard output as a pipe takes it: every byte passes and none is kept.
class CountingBuffer : public std::streambuf {
public:
    std::size_t count() const { return count_; }

protected:
    std::streamsize xsputn(const char* /*bytes*/, std::streamsize size) override {
        count_ += static_cast<std::size_t>(size);
        return size;
    }
    int_type overflow(int_type c) override {
        ++count_;
        return traits_type::not_eof(c);
    }

private:
    std::size_t count_ = 0;
};

void runOver(benchmark::State& state, const std::vector<std::string>& args) {
    const std::string input = motors(100'000, args.front());
    const FileOpener open = [&](const std::string& path) {
        return std::make_unique<MemoryFile>(path, path == "motors.csv" ? std::optional(input)
                                                                       : std::nullopt);
    };
    for (auto _ : state) {
        CountingBuffer written;
        std::ostream out(&written);
        std::ostringstream err;
        if (runCalc(args, out, err, open) != 0)
            state.SkipWithError(err.str().substr(0, 200).c_str());
        benchmark::DoNotOptimize(written.count());
    }
}

void BM_CliTurnsInput100k(benchmark::State& state) {
    runOver(state, {"turns", "--input", "motors.csv"});
}
BENCHMARK(BM_CliTurnsInput100k)->Unit(benchmark::kMillisecond);

void BM_CliTorqueCsvInput100k(benchmark::State& state) {
    runOver(state, {"torque", "--input", "motors.csv", "--format", "csv"});
}
BENCHMARK(BM_CliTorqueCsvInput100k)->Unit(benchmark::kMillisecond);

void BM_CliWeightJsonInput100k(benchmark::State& state) {
    runOver(state, {"weight", "--input", "motors.csv", "--format", "json"});
}
BENCHMARK(BM_CliWeightJsonInput100k)->Unit(benchmark::kMillisecond);

void BM_CliCardInput100k(benchmark::State& state) {
    runOver(state, {"card", "--input", "motors.csv"});
}
BENCHMARK(BM_CliCardInput100k)->Unit(benchmark::kMillisecond);

void BM_CliCardJsonInput100k(benchmark::State& state) {
    runOver(state, {"card", "--input", "motors.csv", "--format", "json"});
}
BENCHMARK(BM_CliCardJsonInput100k)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrune
