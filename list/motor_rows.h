// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The texts that describe a computed motor: the summary lines of the List page and the rows of
// the motor list, list files and text exports.

#include "core/calc_state.h"

#include <array>
#include <string>
#include <string_view>

namespace kestrune {

// Row 0 of every motor list and the first line of every text export; never stored in a list file.
inline constexpr std::string_view kHeaderRow = "Type\tWidth\tStrands\tLength\tLimit\tTurns\tTorque";

inline constexpr std::size_t kTurnsSummaryLines = 6;
inline constexpr std::size_t kTorqueSummaryLines = 5;

// The summary box lines ("label\tvalue") of the last turns motor, in display order.
std::array<std::string, kTurnsSummaryLines> formatTurnsSummary(const TurnsMotor& motor);

// The summary box lines of the last torque motor, in display order (no Length line, no unit).
std::array<std::string, kTorqueSummaryLines> formatTorqueSummary(const TorqueMotor& motor);

// The seven tab-separated columns of a turns motor; the Torque column is "NA".
std::string formatTurnsRow(const TurnsMotor& motor);

// The seven tab-separated columns of a torque motor; Length and Turns are "NA".
std::string formatTorqueRow(const TorqueMotor& motor);

} // namespace kestrune
