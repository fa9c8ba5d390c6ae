// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Dates as the Batch Log writes them: "2026-03-14", whatever the desktop's language.

#include <string>
#include <string_view>

namespace kestrune {

// Today's date on this computer's clock and time zone.
std::string todayIsoDate();

// "YYYY-MM-DD" of a day that exists (years 0001 to 9999, leap days where they fall).
bool isIsoDate(std::string_view text);

// The date of a broken-down local time (year as written, month 1..12, day 1..31).
std::string formatIsoDate(int year, int month, int day);

} // namespace kestrune
