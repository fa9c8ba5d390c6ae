// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Breaking Turns and Breaking Torque pages without their windows: the page's inputs in, the
// line to put on top of its result list out, and the rule that a page computes with the constant
// of the type its Type list shows, whichever page chose it.

#include "core/calc_state.h"

#include <optional>
#include <string>

namespace kestrune {

// The page's controls: its lists as the index of their selected entries (-1: none), the Length
// box's text as typed (the Breaking Torque page has none) and the "Vorlick" box.
struct CalcPageInputs {
    int width = -1;
    int strands = -1;
    int limit = -1;
    std::string length;
    bool useVorlick = false;
};

class CalcPageModel {
public:
    CalcPageModel(CalcState& state, Quantity quantity);

    // First shown: the Breaking Turns page starts with Tan II and its table constant, the
    // Breaking Torque page with the type the Type list shows (Tan II's constant when that is no
    // known type). From now on the page computes with the constant of that type.
    void start();

    // The page's one calculation: stores the motor in the state, and gives the line to put on
    // top of the result list; nothing when there is none to show (the turns of no length).
    std::optional<std::string> recompute(const CalcPageInputs& inputs);

    // The type the Type list shows, whichever the direction of a data exchange.
    int shownType() const { return state_.currentType; }
    // The page is left: its constant as it was then.
    void left();
    // The page is shown again. After the other page chose another type it takes that type's
    // constant; after its constant was changed elsewhere (a batch's constants used on the Batch
    // Log) it keeps it. True when the page must compute again.
    bool shownAgain();

    // The user picked a type in the page's Type list; the page computes again.
    void chooseType(int type);
    // Default (Defaults on the Breaking Torque page): the page's constant becomes the default
    // of the type chosen; the table keeps its value. The page computes again.
    void useDefault(int type);

private:
    double& constant();

    CalcState& state_;
    Quantity quantity_;
    bool started_ = false;
    int pageType_ = TanII;    // the type whose table constant the page computes with
    double constantLeft_ = 0; // the page's constant when the page was last left
};

} // namespace kestrune
