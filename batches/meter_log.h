// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A torque meter's log, or columns copied from a spreadsheet, as readings: separators commas,
// semicolons, tabs or blanks, decimal points, an optional header that names the columns (turns,
// torque with its unit, time) and says the unit, or two bare columns of turns and oz-in.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

inline constexpr std::size_t kMostMeterReadings = 200'000;
// A meter's file larger than this is no log of that many readings, whatever its columns.
inline constexpr std::size_t kMaxMeterLogBytes = std::size_t{64} << 20;

struct MeterLog {
    // Turns for a log of turns; empty for a log of time, which has seconds instead.
    std::vector<double> turns;
    std::vector<double> seconds;
    std::vector<double> torques; // oz-in
    // How it was read, for the page: "Read columns turns and torque (oz-in): 12 readings."
    std::string howRead;
};

// The readings of the text, or why it gives none (a message for the user).
struct MeterLogRead {
    std::optional<MeterLog> log;
    std::string refusal;
};
MeterLogRead readMeterLog(std::string_view bytes);

// The factor from a torque unit's spelling to oz-in ("ozin", "gf-cm", "mNm", ... case and blanks
// ignored); nothing for one it does not know.
std::optional<double> ounceInchesPerUnit(std::string_view unit);

} // namespace kestrune
