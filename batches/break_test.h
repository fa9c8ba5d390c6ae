// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// One motor wound to break, as the Batch Log keeps it.

#include "core/calc_state.h"

#include <cstddef>
#include <optional>
#include <string>

namespace kestrune {

inline constexpr int kLeastTestStrands = 1;
inline constexpr int kMostTestStrands = 99;

// Larger log files are refused, as list files are.
inline constexpr std::size_t kMaxBatchLogBytes = std::size_t{64} << 20;

struct BreakTest {
    std::string batch;
    std::string date; // ISO, "2026-03-14"
    int type = TanII;
    int width = 2; // Width list index
    int strands = 2;
    double length = 0;            // inches
    int turns = 0;                // at break
    std::optional<double> torque; // oz-in at break
    std::optional<double> weight; // grams
    std::string note;

    friend bool operator==(const BreakTest&, const BreakTest&) = default;
};

// What a readable record must hold: a date that exists, a type and width of the lists, 1 to 99
// strands, a finite length above 0, at least one turn, and a torque and weight, where given,
// finite and above 0. Batch and note may hold any bytes, less than a log file may hold.
bool isLoggable(const BreakTest& test);

} // namespace kestrune
