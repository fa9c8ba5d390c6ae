// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A batch log summarised as the Batch Log page's Batches table shows it.

#include "cli/calc_result.h"
#include "cli/calc_setup.h"
#include "core/stored_file.h"

#include <variant>

namespace kestrune {

// The log's batches, one row each; a log that is not there or cannot be read gives the line to
// say so.
std::variant<CalcResult, CalcFault> summariseBatchLog(StoredFile& log, const CalcSetup& setup);

} // namespace kestrune
