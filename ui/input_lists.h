// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The pages' lists of the calculator's vocabulary, filled the one way every page fills them.

#include "platform/CWnd.h"

namespace kestrune {

// Fills Type (selecting type), Width ("1/8" selected), Strands ("4") and Limit ("80").
void fillMotorInputLists(platform::CWnd& page, int type);

// Puts the entries of the five widths into a Width list and selects "1/8".
void fillWidthList(platform::ListBox list);
// Puts the rubber types into a Type list and selects type (none for -1).
void fillTypeList(platform::ListBox list, int type);
// Puts the strand counts into a Strands list and selects "4".
void fillStrandsList(platform::ListBox list);
// The weight classes, "None" selected; the units, none selected.
void fillWeightClassList(platform::ListBox list);
void fillUnitsList(platform::ListBox list);

} // namespace kestrune
