// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A torque meter's log through the Torque Test page: the readings it holds, the weight, total
// turns and launch torque given as the page's boxes would hold them, and the results it shows.

#include "cli/calc_options.h"
#include "cli/calc_result.h"
#include "cli/calc_setup.h"
#include "core/stored_file.h"

#include <variant>

namespace kestrune {

// The results, with how the page read the log first; a log that cannot be read, gives no
// readings or a value that is none gives the line to say so.
std::variant<CalcResult, CalcFault> energyResult(StoredFile& log, const OptionValues& values,
                                                 const CalcSetup& setup);

} // namespace kestrune
