// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Breaking Turns and Breaking Torque pages' own results for any motor, for the pages that
// show them beside their own numbers. The calculations run on a scratch copy of the state, so
// the motors the List page shows stay the ones those pages computed.

#include "calc_outcome.h"
#include "calc_state.h"

namespace kestrune {

struct MotorConstants {
    double turns = 0;
    double torque = 0;
};

// The table's constants of a type; 0 (not calibrated) for a type outside the list.
MotorConstants tableConstants(const CalcState& state, int type);

// The constants the calculation pages show a type's results with: a page's current constant when
// the type is the current type and the page has taken its constant for it (a Default or a
// calibration may have changed it since), otherwise the table's, which the page takes when it is
// next shown with that type (the Breaking Torque page before it was first opened, say).
MotorConstants pageConstants(const CalcState& state, int type);

struct ShownTurns {
    CalcOutcome outcome;
    double turns = 0; // the integral count shown; 0 unless outcome is a Value
};
struct ShownTorque {
    CalcOutcome outcome;
    double torque = 0; // oz-in, unrounded; 0 unless outcome is a Value
};

// computeBreakingTurns and computeBreakingTorque of a motor of type with the given constant.
ShownTurns breakingTurnsOf(const CalcState& state, int type, double turnsConstant, double width,
                           double strands, double limit, double length, bool useVorlick);
ShownTorque breakingTorqueOf(const CalcState& state, int type, double torqueConstant, double width,
                             double strands, double limit, bool useVorlick);

} // namespace kestrune
