// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Where the program's own files live.

#include <filesystem>
#include <string_view>

namespace kestrune {

// The folder the program started in, fixed by the first call. The process never changes its
// working directory, so this is where kes.cfg and the first kes.dta live.
const std::filesystem::path& startDirectory();

// One of the program's own files (kes.cfg, kes-prefs.cfg, the logs) in that folder.
std::filesystem::path programFilePath(std::string_view name);

} // namespace kestrune
