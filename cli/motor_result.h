// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// One motor of turns, torque, weight or card through the page that computes it: the options go
// into the page's model as its controls would, and what the model shows comes back.

#include "cli/calc_options.h"
#include "cli/calc_result.h"
#include "cli/calc_setup.h"

#include <variant>

namespace kestrune {

std::variant<CalcResult, CalcFault> computeMotor(Command command, const OptionValues& values,
                                                 const CalcSetup& setup);

} // namespace kestrune
