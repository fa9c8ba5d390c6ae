// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Start-up time: from process start to the first window shown, for Kestrune and for the
// minimal Qt dialog program, alternating in one run on the offscreen platform.

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::vector<std::string> childEnvironment() {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        if (text.rfind("QT_QPA_PLATFORM=", 0) != 0 && text.rfind("DISPLAY=", 0) != 0) {
            env.push_back(text);
        }
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

// Seconds from spawning the program to its exit right after its first show; < 0 on failure.
double startOnce(const char* program) {
    static std::vector<std::string> env = childEnvironment();
    std::vector<char*> envp;
    envp.reserve(env.size() + 1);
    for (std::string& text : env) {
        envp.push_back(text.data());
    }
    envp.push_back(nullptr);
    std::string path = program;
    std::vector<char*> argv{path.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
        return -1;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_StartupToFirstShow(benchmark::State& state) {
    double kestrune = 0;
    double minimal = 0;
    for (auto _ : state) {
        const double k = startOnce(KESTRUNE_PROGRAM);
        const double m = startOnce(MINIMAL_PROGRAM);
        if (k < 0 || m < 0) {
            state.SkipWithError("a program did not start and end cleanly");
            return;
        }
        state.SetIterationTime(k);
        kestrune += k;
        minimal += m;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["kestrune_ms"] = 1000 * kestrune / runs;
    state.counters["minimal_ms"] = 1000 * minimal / runs;
    state.counters["ratio"] = kestrune / minimal;
}
BENCHMARK(BM_StartupToFirstShow)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The programs read and write their files where they start: somewhere of their own.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kestrune-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::current_path(folder.parent_path());
    std::filesystem::remove_all(folder);
    return 0;
}
