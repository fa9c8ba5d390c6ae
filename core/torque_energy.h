// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What a torque curve says about a motor: the energy it took while wound and gave back while let
// down, by trapezoids between the readings, and the figures flyers compare rubber by. Every
// figure is a finite number or nothing.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace kestrune {

inline constexpr double kNewtonMetresPerOunceInch = 0.0070615518;
inline constexpr double kJoulesPerKilogramPerFootPoundPerPound = 2.98906692;
// The share of the peak torque below which a time log's motor counts as not wound.
inline constexpr double kActiveTorqueShare = 0.02;

struct TorqueReading {
    double turns = 0;  // motor turns
    double torque = 0; // oz-in
    friend bool operator==(const TorqueReading&, const TorqueReading&) = default;
};

struct TorqueEnergy {
    std::optional<double> peakTorque; // oz-in, above 0
    std::optional<double> peakTurns;  // at its first reading
    std::optional<double> energyIn;   // J, winding: up to the first reading of most turns
    std::optional<double> energyOut;  // J, unwinding: from the last reading of most turns
    std::optional<double> hysteresis; // 1 - out / in, when energy in is above 0
    std::optional<double> meanTorque; // oz-in over the turns let down
    // The readings of most turns, first and last: the end of winding, the start of unwinding.
    std::size_t mostFirst = 0;
    std::size_t mostLast = 0;
};

TorqueEnergy torqueEnergy(std::span<const TorqueReading> readings);

// Energy out per gram of motor (J/g), and the same in ft-lbf/lb.
std::optional<double> energyPerGram(std::optional<double> energyOut, std::optional<double> grams);
double footPoundsPerPound(double joulesPerGram);

// The turns at which the unwinding curve (from the reading `from` on) first falls to the torque,
// by straight lines between readings; nothing when it starts below it or never reaches it.
std::optional<double> turnsAtTorque(std::span<const TorqueReading> readings, std::size_t from,
                                    double torque);

// A log of torque against time, given the turns it was wound to: turns rise evenly in time from
// 0 at the start of the active span to the total at the first reading of peak torque, hold until
// its last, and fall evenly back to 0 by the end of the span. The span runs from the reading
// before the torque first rises above kActiveTorqueShare of its peak to the one after it last
// falls back. Nothing without two readings, a peak above 0 and a finite total above 0.
std::optional<std::vector<double>> constantRateTurns(std::span<const double> seconds,
                                                     std::span<const double> torques, double total);

} // namespace kestrune
