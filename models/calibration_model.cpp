// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "calibration_model.h"

#include "core/number_text.h"

namespace kestrune {

CalibrationModel::CalibrationModel(CalcState& state, Quantity quantity)
    : state_(state), quantity_(quantity) {}

std::string CalibrationModel::shown(double value) const {
    return formatFixed(value, quantity_ == Quantity::Turns ? 0 : 2);
}

std::string CalibrationModel::startText() const {
    return shown(quantity_ == Quantity::Turns ? state_.turnsConstant : state_.torqueConstant);
}

std::optional<std::string> CalibrationModel::useDefault(bool ticked, const std::string& text) {
    if (!ticked)
        return shown(valueBeforeDefault_);
    valueBeforeDefault_ = parseNumber(text);
    const auto constant = quantity_ == Quantity::Turns ? defaultTurnsConstant(state_.currentType)
                                                       : defaultTorqueConstant(state_.currentType);
    if (!constant)
        return std::nullopt;
    return shown(*constant);
}

CalibrationResult CalibrationModel::calibrate(const std::string& text, int width) {
    const double v = parseNumber(text);
    return quantity_ == Quantity::Turns ? calibrateTurnsConstant(state_, v, width)
                                        : calibrateTorqueConstant(state_, v, width);
}

} // namespace kestrune
