// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "calibration.h"

#include "number_text.h"
#include "units.h"

#include <cmath>

namespace kestrune {
namespace {

CalibrationResult install(CalcState& state, Quantity quantity, double constant) {
    const bool turns = quantity == Quantity::Turns;
    // A constant that is not finite would give "inf" results and a settings file that reads
    // back as 0, losing the calibration: such a measurement changes nothing.
    if (!std::isfinite(constant))
        return {turns ? state.turnsConstant : state.torqueConstant, true};
    (turns ? state.turnsConstant : state.torqueConstant) = constant;
    if (state.currentType >= 0 && state.currentType < kRubberTypeCount) {
        auto& column = turns ? state.table.turns : state.table.torque;
        column[static_cast<std::size_t>(state.currentType)] = constant;
    }
    return {constant};
}

std::optional<double> positive(double value) {
    if (!isPositive(value))
        return std::nullopt;
    return value;
}

} // namespace

// Both branches are the same quantity; the threshold only decides the order of rounding, and
// each is evaluated as written so stored constants match to the last bit.
double turnsConstantOfSection(double v, double d) {
    if (d > 0.25)
        return v * std::sqrt(4 * d);
    const double c = 0.25 / d;
    return v / std::sqrt(c);
}

double torqueConstantOfSection(double v, double d) {
    if (d > 0.25) {
        const double a = 4 * d;
        return v / (a * std::sqrt(a));
    }
    const double c = 0.25 / d;
    return (c * std::sqrt(c)) * v;
}

double turnsConstantFromMeasurement(double v, double widthInches) {
    return turnsConstantOfSection(v, widthInches + widthInches);
}

double torqueConstantFromMeasurement(double v, double widthInches) {
    return torqueConstantOfSection(v, widthInches + widthInches);
}

CalibrationResult calibrateTurnsConstant(CalcState& state, double v, int width) {
    const std::optional<double> inches = stripWidthInches(width);
    if (!inches)
        return {state.turnsConstant};
    return install(state, Quantity::Turns, turnsConstantFromMeasurement(v, *inches));
}

CalibrationResult calibrateTorqueConstant(CalcState& state, double v, int width) {
    const std::optional<double> inches = stripWidthInches(width);
    if (!inches)
        return {state.torqueConstant};
    return install(state, Quantity::Torque, torqueConstantFromMeasurement(v, *inches));
}

std::optional<double> testTurnsConstant(double turns, double length, double strands,
                                        double widthInches) {
    if (!isPositive(turns) || !isPositive(length) || !isPositive(strands) ||
        !isPositive(widthInches))
        return std::nullopt;
    return positive(turnsConstantOfSection(turns / length, strands * widthInches));
}

std::optional<double> testTorqueConstant(double torque, double strands, double widthInches) {
    if (!isPositive(torque) || !isPositive(strands) || !isPositive(widthInches))
        return std::nullopt;
    return positive(torqueConstantOfSection(torque, strands * widthInches));
}

std::optional<double> measuredDensity(double weight, double thickness, double widthInches,
                                      double strands, double length) {
    if (!isPositive(weight) || !isPositive(thickness) || !isPositive(widthInches) ||
        !isPositive(strands) || !isPositive(length))
        return std::nullopt;
    return positive(weight /
                    (thickness * widthInches * strands * length * kCubicCentimetresPerCubicInch));
}

bool canUseConstants(int type, double turns, std::optional<double> torque) {
    return type >= 0 && type < kRubberTypeCount && isPositive(turns) &&
           (!torque || isPositive(*torque));
}

CalibrationResult useBatchConstants(CalcState& state, int type, double turns,
                                    std::optional<double> torque) {
    if (!canUseConstants(type, turns, torque))
        return {state.turnsConstant, true};
    const auto slot = static_cast<std::size_t>(type);
    state.table.turns[slot] = turns;
    if (torque)
        state.table.torque[slot] = *torque;
    if (type == state.currentType) {
        state.turnsConstant = turns;
        if (torque)
            state.torqueConstant = *torque;
    }
    return {turns};
}

std::string turnsConstantText(double constant) {
    return formatSignificant(constant, 1, 1, 1);
}

std::string torqueConstantText(double constant) {
    return formatSignificant(constant, 3, 3, 1);
}

} // namespace kestrune
