// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc_outcome.h"
#include "calc_state.h"

namespace kestrune {

// The safe breaking torque in oz/in of a motor of the current type, from the page's torque
// constant (or the Vorlick formula). Records inputs and result in state.torqueMotor.
// Never gives NoResult.
CalcOutcome computeBreakingTorque(CalcState& state, double width, double strands, double limit,
                                  bool useVorlick);

} // namespace kestrune
