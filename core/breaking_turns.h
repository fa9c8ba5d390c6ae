// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc_outcome.h"
#include "calc_state.h"

namespace kestrune {

// The safe breaking turns of a motor of the current type, from the page's turns constant (or
// the Vorlick formula, which needs none). Records inputs and result in state.turnsMotor.
// A count outside the range of "%i" is Undefined.
CalcOutcome computeBreakingTurns(CalcState& state, double width, double strands, double limit,
                                 double length, bool useVorlick);

} // namespace kestrune
