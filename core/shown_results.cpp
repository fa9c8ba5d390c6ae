// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "shown_results.h"

#include "breaking_torque.h"
#include "breaking_turns.h"

namespace kestrune {

MotorConstants tableConstants(const CalcState& state, int type) {
    if (type < 0 || type >= kRubberTypeCount)
        return {};
    const auto slot = static_cast<std::size_t>(type);
    return {state.table.turns[slot], state.table.torque[slot]};
}

MotorConstants pageConstants(const CalcState& state, int type) {
    MotorConstants constants = tableConstants(state, type);
    if (type == state.currentType && type == state.turnsConstantType)
        constants.turns = state.turnsConstant;
    if (type == state.currentType && type == state.torqueConstantType)
        constants.torque = state.torqueConstant;
    return constants;
}

ShownTurns breakingTurnsOf(const CalcState& state, int type, double turnsConstant, double width,
                           double strands, double limit, double length, bool useVorlick) {
    CalcState scratch = state;
    scratch.currentType = type;
    scratch.turnsConstant = turnsConstant;
    CalcOutcome outcome = computeBreakingTurns(scratch, width, strands, limit, length, useVorlick);
    const double turns = outcome.kind == CalcOutcome::Kind::Value ? scratch.turnsMotor.turns : 0;
    return {std::move(outcome), turns};
}

ShownTorque breakingTorqueOf(const CalcState& state, int type, double torqueConstant, double width,
                             double strands, double limit, bool useVorlick) {
    CalcState scratch = state;
    scratch.currentType = type;
    scratch.torqueConstant = torqueConstant;
    CalcOutcome outcome = computeBreakingTorque(scratch, width, strands, limit, useVorlick);
    const double torque = outcome.kind == CalcOutcome::Kind::Value ? scratch.torqueMotor.torque : 0;
    return {std::move(outcome), torque};
}

} // namespace kestrune
