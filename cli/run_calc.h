// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// kestrune-calc without its process: the arguments after the program's name in, what it prints
// on standard output and standard error out, and its exit status back.

#include "cli/calc_setup.h"

#include <ostream>
#include <span>
#include <string>

namespace kestrune {

// An --input file larger than this is no list of motors.
inline constexpr std::size_t kMaxInputBytes = std::size_t{256} << 20;

int runCalc(std::span<const std::string> args, std::ostream& out, std::ostream& err,
            const FileOpener& open);

} // namespace kestrune
