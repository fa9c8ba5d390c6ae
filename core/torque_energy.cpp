// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "torque_energy.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrune {
namespace {

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// Σ ½ (Qᵢ + Qᵢ₊₁) |Nᵢ₊₁ − Nᵢ| in oz-in × turns, and Σ |Nᵢ₊₁ − Nᵢ|, over readings [first, last].
struct PhaseSums {
    double work = 0;
    double turns = 0;
};
PhaseSums phaseSums(std::span<const TorqueReading> readings, std::size_t first, std::size_t last) {
    PhaseSums sums;
    for (std::size_t i = first; i < last; ++i) {
        const double turns = std::abs(readings[i + 1].turns - readings[i].turns);
        sums.work += 0.5 * (readings[i].torque + readings[i + 1].torque) * turns;
        sums.turns += turns;
    }
    return sums;
}

std::optional<double> joules(const PhaseSums& sums, bool read) {
    if (!read)
        return std::nullopt;
    return finite(2 * std::numbers::pi * sums.work * kNewtonMetresPerOunceInch);
}

} // namespace

TorqueEnergy torqueEnergy(std::span<const TorqueReading> readings) {
    TorqueEnergy energy;
    if (readings.empty())
        return energy;
    std::size_t peak = 0;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        if (readings[i].torque > readings[peak].torque)
            peak = i;
        if (readings[i].turns > readings[energy.mostFirst].turns)
            energy.mostFirst = energy.mostLast = i;
        else if (readings[i].turns == readings[energy.mostFirst].turns)
            energy.mostLast = i;
    }
    if (readings[peak].torque > 0) {
        energy.peakTorque = readings[peak].torque;
        energy.peakTurns = readings[peak].turns;
    }
    const std::size_t last = readings.size() - 1;
    const PhaseSums in = phaseSums(readings, 0, energy.mostFirst);
    const PhaseSums out = phaseSums(readings, energy.mostLast, last);
    energy.energyIn = joules(in, energy.mostFirst > 0);
    energy.energyOut = joules(out, energy.mostLast < last);
    if (energy.energyIn && energy.energyOut && *energy.energyIn > 0)
        energy.hysteresis = finite(1 - *energy.energyOut / *energy.energyIn);
    if (energy.energyOut && out.turns > 0)
        energy.meanTorque = finite(out.work / out.turns);
    return energy;
}

std::optional<double> energyPerGram(std::optional<double> energyOut, std::optional<double> grams) {
    if (!energyOut || !grams || !(*grams > 0))
        return std::nullopt;
    return finite(*energyOut / *grams);
}

double footPoundsPerPound(double joulesPerGram) {
    return joulesPerGram * 1000 / kJoulesPerKilogramPerFootPoundPerPound;
}

std::optional<double> turnsAtTorque(std::span<const TorqueReading> readings, std::size_t from,
                                    double torque) {
    if (from >= readings.size() || !std::isfinite(torque) || readings[from].torque < torque)
        return std::nullopt;
    for (std::size_t i = from; i + 1 < readings.size(); ++i) {
        const TorqueReading& a = readings[i];
        const TorqueReading& b = readings[i + 1];
        if (a.torque == torque)
            return a.turns;
        if (b.torque <= torque && a.torque > torque)
            return finite(a.turns +
                          (a.torque - torque) / (a.torque - b.torque) * (b.turns - a.turns));
    }
    return readings.back().torque == torque ? std::optional(readings.back().turns) : std::nullopt;
}

std::optional<std::vector<double>>
constantRateTurns(std::span<const double> seconds, std::span<const double> torques, double total) {
    const std::size_t n = std::min(seconds.size(), torques.size());
    if (n < 2 || !std::isfinite(total) || !(total > 0))
        return std::nullopt;
    const auto peakAt =
        std::max_element(torques.begin(), torques.begin() + static_cast<std::ptrdiff_t>(n));
    const double peak = *peakAt;
    if (!(peak > 0))
        return std::nullopt;
    const double threshold = kActiveTorqueShare * peak;
    std::size_t firstActive = n;
    std::size_t lastActive = 0;
    std::size_t peakFirst = n;
    std::size_t peakLast = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (torques[i] > threshold) {
            firstActive = std::min(firstActive, i);
            lastActive = i;
        }
        if (torques[i] == peak) {
            peakFirst = std::min(peakFirst, i);
            peakLast = i;
        }
    }
    const std::size_t start = firstActive > 0 ? firstActive - 1 : 0;
    const std::size_t end = std::min(lastActive + 1, n - 1);
    // The share of a rise or fall that the time from its start has reached, 1 for one that takes
    // no time (and never outside 0 to 1 for times that go back).
    const auto share = [&](std::size_t i, std::size_t from, std::size_t to) {
        const double span = seconds[to] - seconds[from];
        if (!(span > 0))
            return 1.0;
        return std::clamp((seconds[i] - seconds[from]) / span, 0.0, 1.0);
    };
    std::vector<double> turns(n, 0.0);
    for (std::size_t i = start; i <= end; ++i) {
        if (i < peakFirst)
            turns[i] = total * share(i, start, peakFirst);
        else if (i <= peakLast)
            turns[i] = total;
        else
            turns[i] = total * (1 - share(i, peakLast, end));
    }
    return turns;
}

} // namespace kestrune
