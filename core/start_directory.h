// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Where the program's own files live.

#include <filesystem>

namespace kestrune {

// The folder the program started in, fixed by the first call. The process never changes its
// working directory, so this is where kes.cfg and the first kes.dta live.
const std::filesystem::path& startDirectory();

} // namespace kestrune
