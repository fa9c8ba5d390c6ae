// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "breaking_torque.h"

#include "number_text.h"

#include <cmath>

namespace kestrune {

CalcOutcome computeBreakingTorque(CalcState& state, double width, double strands, double limit,
                                  bool useVorlick) {
    TorqueMotor& motor = state.torqueMotor;
    motor.type = state.currentType;
    motor.width = width;
    motor.strands = strands;
    motor.limit = limit;

    const double factor = limit * 0.01;
    const double constant = state.torqueConstant;

    double c = 0;
    if (useVorlick) {
        c = std::pow(strands, 1.38) * (5 * width + 0.45);
    } else {
        const double d = strands * width;
        if (d > 0.25)
            c = (4 * d * std::sqrt(4 * d)) * constant;
        else
            c = constant / ((0.25 / d) * std::sqrt(0.25 / d));
    }

    // The offset goes with a calibrated constant, whichever formula ran.
    if (constant != 0)
        c = c + 0.005;

    if (c == 0) {
        motor.torque = c;
        return {CalcOutcome::Kind::Undefined, kUndefinedText};
    }
    const double torque = c * factor;
    // A torque too large for a double is no result, as a turns count beyond an int is not.
    if (!std::isfinite(torque)) {
        motor.torque = 0;
        return {CalcOutcome::Kind::Undefined, kUndefinedText};
    }
    motor.torque = torque;
    return {CalcOutcome::Kind::Value, formatFixed(torque, 2)};
}

} // namespace kestrune
