// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "cli/run_calc.h"
#include "files/disk_file.h"

#include <iostream>
#include <span>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::span<char*> given(argv, static_cast<std::size_t>(argc));
    const std::vector<std::string> args(given.begin() + (argc > 0 ? 1 : 0), given.end());
    const kestrune::FileOpener open = [](const std::string& path) {
        return std::make_unique<kestrune::DiskFile>(path);
    };
    const int status = kestrune::runCalc(args, std::cout, std::cerr, open);
    std::cout.flush();
    return std::cout ? status : 1;
}
