// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A break test as the user types it on the Batch Log page, box by box, and the test it gives or
// the reason it gives none, naming the box to put right.

#include "break_test.h"
#include "core/units.h"

#include <optional>
#include <string>

namespace kestrune {

// What the boxes hold: texts as typed, the Type and Width lists as their selected index (-1:
// none).
struct BreakTestTexts {
    std::string batch, date;
    int type = -1, width = -1;
    std::string strands, length, turns, torque, weight, note;
    friend bool operator==(const BreakTestTexts&, const BreakTestTexts&) = default;
};

// The test, with its length in inches, or a message for the user that names the first box with
// a bad value. Torque and weight may be left empty. A test is refused too when its numbers give
// no constant (or density) that is a finite number above 0, so that nothing logged shows "inf".
struct BreakTestEntry {
    std::optional<BreakTest> test;
    std::string refusal;
};
BreakTestEntry readBreakTestEntry(const BreakTestTexts& texts, LengthUnit unit, double thickness);

} // namespace kestrune
