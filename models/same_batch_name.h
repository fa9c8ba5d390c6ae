// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Batch names on the Batch Log: a slip of case or blanks does not start another batch
// ("tanii  2024 a" is "TanII 2024 A").

#include <string_view>

namespace kestrune {

// Whether two batch names are one but for the case of the letters A to Z and the blanks (spaces
// and tabs at either end, and how many stand between words). Bytes above 127, the letters of
// other scripts among them, are compared as they are.
bool sameBatchName(std::string_view a, std::string_view b);

} // namespace kestrune
