// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// One motor wound on a torque meter and let down, as kes-torque.csv keeps it.

#include "core/calc_state.h"
#include "core/torque_energy.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// How the readings came: typed, read from a meter's log of turns, or from one of time whose
// turns were spread over the test's total.
enum class TorqueSource { Typed, MeterLog, ConstantRate };

std::string_view torqueSourceText(TorqueSource source);
std::optional<TorqueSource> torqueSourceOfText(std::string_view text);

struct TorqueTest {
    std::string batch;
    std::string date; // ISO
    int type = TanII;
    int width = 2; // Width list index
    int strands = 2;
    double length = 0;            // inches
    std::optional<double> weight; // grams
    double winderRatio = 16;
    TorqueSource source = TorqueSource::Typed;
    std::string note;
    std::vector<TorqueReading> readings;

    friend bool operator==(const TorqueTest&, const TorqueTest&) = default;
};

// What a kept test must hold: a date that exists, a type and width of the lists, 1 to 99
// strands, a finite length and winder ratio above 0, a weight, where given, finite and above 0,
// and at least one reading, each of finite numbers.
bool isKeepable(const TorqueTest& test);

// The reading of most turns (the first of them): winding ends there, unwinding follows.
std::size_t windingEnd(const std::vector<TorqueReading>& readings);

} // namespace kestrune
