// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The texts the Batch Log page shows: its Tests and Batches lists, tab-separated like the motor
// list. Turns constants have one decimal and torque constants three wherever they are shown.

#include "batch_summary.h"
#include "core/units.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

// Shown where a statistic has no value (the deviation of a single test).
inline constexpr std::string_view kNoValueText = "–";

// Text for one column of a table row: a tab or line break inside would start another column or
// row, and bytes that are no UTF-8 would make the whole row show as another encoding. A list
// shows the first 4,096 bytes of a row: a longer text shows its start.
std::string oneColumn(std::string_view text);

// "%.1f", "%.3f", "%.3f" g/cm^3; kNoValueText for none.
std::string formatTurnsConstant(std::optional<double> constant);
std::string formatTorqueConstant(std::optional<double> constant);
std::string formatDensity(std::optional<double> density);

// Tests: the ten fields (length in the unit, torque and weight "%.2f"), then the turns and
// torque constants. Tabs and line breaks in the batch and note show as spaces, bytes that are no
// UTF-8 as U+FFFD. An unreadable record shows as "Unreadable line" and its bytes, alike.
std::string testsHeader(LengthUnit unit);
std::string formatTestRow(const BatchLogEntry& entry, double thickness, LengthUnit unit);

// Batches: batch, type, tests; mean, deviation, least and greatest of the turns constant and of
// the torque constant; the mean density.
std::string batchesHeader();
std::string formatBatchRow(const BatchSummary& summary);

} // namespace kestrune
