// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The entries of the pages' lists as an option names them: the entry's index, or nothing for a
// text no list holds. Names match without regard to case.

#include "core/units.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

// "Tan II" (or "TanII", as summaries write it).
std::optional<int> typeEntry(std::string_view text);
// "1/8" (or 1/8", as rows write it).
std::optional<int> widthEntry(std::string_view text);
// "14": the Strands list's 2, 4 ... 36.
std::optional<int> strandsEntry(std::string_view text);
// "80": the Limit list's 100, 95 ... 50.
std::optional<int> limitEntry(std::string_view text);
// "F1B" or "F1B 30 g", and "None".
std::optional<int> classEntry(std::string_view text);
// "inch" or "mm".
std::optional<LengthUnit> unitEntry(std::string_view text);

// What a list holds, for the line that says a text is none of it: "Tan II, Tan Super Sport, ...".
std::string typeEntries();
std::string widthEntries();
std::string classEntries();

} // namespace kestrune
