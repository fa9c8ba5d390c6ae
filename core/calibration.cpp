// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "calibration.h"

#include <cmath>

namespace kestrune {
namespace {

CalibrationResult install(CalcState& state, Quantity quantity, double constant, bool save,
                          const SaveSettingsFn& saveSettings) {
    const bool turns = quantity == Quantity::Turns;
    // A constant that is not finite would give "inf" results and a settings file that reads
    // back as 0, losing the calibration: such a measurement changes nothing.
    if (!std::isfinite(constant))
        return {turns ? state.turnsConstant : state.torqueConstant, std::nullopt, true};
    (turns ? state.turnsConstant : state.torqueConstant) = constant;
    if (state.currentType >= 0 && state.currentType < kRubberTypeCount) {
        auto& column = turns ? state.table.turns : state.table.torque;
        column[static_cast<std::size_t>(state.currentType)] = constant;
    }
    CalibrationResult result{constant, std::nullopt};
    if (save && saveSettings)
        result.saved = saveSettings(state);
    return result;
}

} // namespace

// Both branches are the same quantity; the threshold only decides the order of rounding, and
// each is evaluated as written so stored constants match to the last bit.
double turnsConstantFromMeasurement(double v, double widthInches) {
    const double d = widthInches + widthInches;
    if (d > 0.25)
        return v * std::sqrt(4 * d);
    const double c = 0.25 / d;
    return v / std::sqrt(c);
}

double torqueConstantFromMeasurement(double v, double widthInches) {
    const double d = widthInches + widthInches;
    if (d > 0.25) {
        const double a = 4 * d;
        return v / (a * std::sqrt(a));
    }
    const double c = 0.25 / d;
    return (c * std::sqrt(c)) * v;
}

CalibrationResult calibrateTurnsConstant(CalcState& state, double v, int width, bool save,
                                         const SaveSettingsFn& saveSettings) {
    const std::optional<double> inches = stripWidthInches(width);
    if (!inches)
        return {state.turnsConstant, std::nullopt};
    return install(state, Quantity::Turns, turnsConstantFromMeasurement(v, *inches), save,
                   saveSettings);
}

CalibrationResult calibrateTorqueConstant(CalcState& state, double v, int width, bool save,
                                          const SaveSettingsFn& saveSettings) {
    const std::optional<double> inches = stripWidthInches(width);
    if (!inches)
        return {state.torqueConstant, std::nullopt};
    return install(state, Quantity::Torque, torqueConstantFromMeasurement(v, *inches), save,
                   saveSettings);
}

} // namespace kestrune
