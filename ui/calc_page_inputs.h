// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What the Breaking Turns and Breaking Torque pages share (and the modeller's pages, their
// input lists): their input lists, how the lists
// read as numbers, and the one data exchange of both pages.

#include "core/calc_state.h"
#include "platform/CWnd.h"

namespace kestrune {

// Fills Type (selecting currentType), Width ("1/8" selected), Strands ("4") and Limit ("80").
void fillMotorInputLists(platform::CWnd& page, int currentType);

// Puts the entries of the five widths into a Width list and selects "1/8".
void fillWidthList(platform::ListBox list);
// Puts the rubber types into a Type list and selects type (none for -1).
void fillTypeList(platform::ListBox list, int type);
// The type a modeller's page starts with: the calculation pages' one, Tan II when they have none.
int startingType(int currentType);
// Puts the strand counts into a Strands list and selects "4".
void fillStrandsList(platform::ListBox list);

struct MotorInputs {
    double width = 0; // 0 when no width is selected
    double strands = 0;
    double limit = 0;
    bool useVorlick = false;
};

// The selected entries of Width, Strands and Limit and the "Vorlick" box.
MotorInputs readMotorInputs(platform::CWnd& page);

// Both pages' data exchange: the Type list shows currentType, whichever the direction.
void exchangeRubberType(platform::CDataExchange& dx);

} // namespace kestrune
