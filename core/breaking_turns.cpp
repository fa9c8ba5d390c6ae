// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "breaking_turns.h"

#include "number_text.h"

#include <cmath>
#include <optional>

namespace kestrune {
namespace {

// The value truncated toward zero, when it fits an int; nothing for NaN or out of range.
std::optional<int> truncateToInt(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

CalcOutcome computeBreakingTurns(CalcState& state, double width, double strands, double limit,
                                 double length, bool useVorlick) {
    TurnsMotor& motor = state.turnsMotor;
    motor.type = state.currentType;
    motor.width = width;
    motor.strands = strands;
    motor.limit = limit;
    motor.useVorlick = useVorlick;

    const double factor = limit * 0.01;

    // Each branch is evaluated as written, so both truncations see exactly the doubles the
    // formula gives in that order of operations.
    double tpi = 0;
    if (useVorlick) {
        tpi = (2 - width) * 80 / std::sqrt(strands);
    } else {
        const double d = strands * width;
        if (d > 0.25)
            tpi = state.turnsConstant / std::sqrt(4 * d);
        else
            tpi = std::sqrt(0.25 / d) * state.turnsConstant;
    }

    motor.length = length;

    if (tpi == 0) {
        motor.turns = 0;
        return {CalcOutcome::Kind::Undefined, kUndefinedText};
    }
    if (length == 0)
        return {CalcOutcome::Kind::NoResult, {}};

    const std::optional<int> raw = truncateToInt(length * tpi);
    const std::optional<int> turns = raw ? truncateToInt(*raw * factor) : std::nullopt;
    if (!turns) {
        motor.turns = 0;
        return {CalcOutcome::Kind::Undefined, kUndefinedText};
    }
    motor.turns = *turns;
    return {CalcOutcome::Kind::Value, formatInt(*turns)};
}

} // namespace kestrune
