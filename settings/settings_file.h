// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// kes.cfg: the six calibration constants, one per line, kept between runs.

#include "core/calc_state.h"
#include "core/stored_file.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

inline constexpr std::string_view kSettingsFileName = "kes.cfg";

// The table a settings text gives: each of the six lines read whole as a number; a missing line
// gives that slot's default constant, a value that is not finite gives 0 (not calibrated).
CalibrationTable parseSettings(std::string_view text);

// The six lines of a table: turns constants "%.0f", then torque constants "%.2f".
std::string formatSettings(const CalibrationTable& table);
// One constant as its line writes it.
std::string formatSettingsConstant(Quantity quantity, double constant);

// The settings reader reads the six lines it needs and no more. Six lines of numbers take a few
// hundred bytes; lines that do not fit in this many are no settings a person wrote, and such a
// file is reported as unreadable instead of read in part.
inline constexpr std::size_t kSettingsLines = 6;
inline constexpr std::size_t kSettingsReadBytes = std::size_t{64} * 1024;

// Sets the inputs of both motor records to their start values (Tan II, 1/8", 2 strands, length 1,
// limit 100) and keeps their last results, then fills the table from the file, or from the
// defaults when there is none or it cannot be read (the result says why).
FileResult loadSettings(CalcState& state, StoredFile& file);
// The text of each of the six lines as read: turns constants, then torque constants, by type;
// nothing for a line the file does not have, and none when there is no file or it cannot be read.
using SettingsLines = std::array<std::optional<std::string>, kSettingsLines>;
FileResult loadSettings(CalcState& state, StoredFile& file, SettingsLines& lines);

// Writes the whole table; on failure the old file stays as it was.
FileResult saveSettings(const CalcState& state, StoredFile& file);

} // namespace kestrune
