// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once

#include <filesystem>

namespace kestrune {

// Where the text export's dialog starts: the user's documents folder, else the start folder.
std::filesystem::path documentsFolder();

} // namespace kestrune
