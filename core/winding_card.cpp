// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "winding_card.h"

#include "number_text.h"

#include <cmath>

namespace kestrune {

std::optional<int> cranksFor(int turns, int winderRatio) {
    if (winderRatio < 1)
        return std::nullopt;
    return turns / winderRatio;
}

WindingCard buildWindingCard(const CalcState& state, const WindingMotor& motor,
                             const MotorConstants& constants) {
    WindingCard card;
    const std::optional<double> width = stripWidthInches(motor.width);
    const double strands = motor.strands;
    for (int i = 0; i < kLimitCount; ++i) {
        CardRow& row = card.rows[static_cast<std::size_t>(i)];
        row.limit = limitAt(i);
        if (!width)
            continue;
        const double limit = row.limit;
        ShownTurns turns = breakingTurnsOf(state, motor.type, constants.turns, *width, strands,
                                           limit, motor.length, motor.useVorlick);
        if (turns.outcome.kind == CalcOutcome::Kind::Value)
            row.cranks = cranksFor(static_cast<int>(turns.turns), motor.winderRatio);
        row.turns = std::move(turns.outcome);
        ShownTorque torque = breakingTorqueOf(state, motor.type, constants.torque, *width, strands,
                                              limit, motor.useVorlick);
        row.torqueOzIn = torque.torque;
        row.torque = std::move(torque.outcome);
    }
    const double stretched = motor.length * motor.stretch;
    if (std::isfinite(stretched) && stretched > 0 && motor.length > 0)
        card.stretchedLength = stretched;
    return card;
}

std::string cardHeader(LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? "%\tTurns\tCranks\tTorque\tN·mm"
                                          : "%\tTurns\tCranks\tTorque";
}

std::string formatCardRow(const CardRow& row, LengthUnit unit) {
    std::string line = formatInt(row.limit);
    line += '\t';
    line += row.turns.text;
    line += '\t';
    if (row.cranks)
        line += formatInt(*row.cranks);
    line += '\t';
    line += row.torque.text;
    if (unit == LengthUnit::Millimetre) {
        line += '\t';
        if (row.torque.kind == CalcOutcome::Kind::Value)
            line += formatNewtonMillimetres(row.torqueOzIn);
    }
    return line;
}

std::string formatCardText(const WindingCard& card, LengthUnit unit) {
    std::string text = cardHeader(unit) + '\n';
    for (const CardRow& row : card.rows)
        text += formatCardRow(row, unit) + '\n';
    return text;
}

} // namespace kestrune
