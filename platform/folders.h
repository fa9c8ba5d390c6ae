// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The user's folders as the desktop names them.

#include <filesystem>

namespace kestrune::platform {

// The user's documents folder (XDG); empty when the desktop names none or it is not a folder.
std::filesystem::path documentsFolder();

} // namespace kestrune::platform
