// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "winding_card.h"

#include "calibration.h"
#include "motor_weight.h"
#include "number_text.h"

#include <cmath>

namespace kestrune {

bool isCardLength(double inches) {
    return isPositive(inches) && inches <= kLargestMotorMeasure;
}

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
    // A negative length would give negative turns; not above 0 is no length at all.
    const double length = isCardLength(motor.length) ? motor.length : 0;
    for (int i = 0; i < kLimitCount; ++i) {
        CardRow& row = card.rows[static_cast<std::size_t>(i)];
        row.limit = limitAt(i);
        if (!width)
            continue;
        const double limit = row.limit;
        ShownTurns turns = breakingTurnsOf(state, motor.type, constants.turns, *width, strands,
                                           limit, length, motor.useVorlick);
        if (turns.outcome.kind == CalcOutcome::Kind::Value) {
            row.turnsCount = static_cast<int>(turns.turns);
            row.cranks = cranksFor(row.turnsCount, motor.winderRatio);
        }
        row.turns = std::move(turns.outcome);
        ShownTorque torque = breakingTorqueOf(state, motor.type, constants.torque, *width, strands,
                                              limit, motor.useVorlick);
        row.torqueOzIn = torque.torque;
        row.torque = std::move(torque.outcome);
    }
    const double stretched = length * motor.stretch;
    if (isPositive(stretched))
        card.stretchedLength = stretched;
    return card;
}

WindingMotor withTurnsMotor(WindingMotor motor, const TurnsMotor& turns) {
    if (turns.type >= 0 && turns.type < kRubberTypeCount)
        motor.type = turns.type;
    for (int i = 0; i < kStripWidthCount; ++i) {
        if (kStripWidths[static_cast<std::size_t>(i)].inches == turns.width)
            motor.width = i;
    }
    for (int i = 0; i < kStrandCounts; ++i) {
        if (strandCountAt(i) == turns.strands)
            motor.strands = strandCountAt(i);
    }
    if (isCardLength(turns.length))
        motor.length = turns.length;
    motor.useVorlick = turns.useVorlick;
    return motor;
}

bool sameMotorToWind(const TurnsMotor& a, const TurnsMotor& b) {
    return a.type == b.type && a.width == b.width && a.strands == b.strands &&
           a.length == b.length && a.useVorlick == b.useVorlick;
}

namespace {

std::string joined(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += '\t';
        line += cells[i];
    }
    return line;
}

std::string withUnit(double inches, LengthUnit unit) {
    return formatLength(inches, unit) + " " +
           std::string(kLengthUnitTexts[static_cast<std::size_t>(lengthUnitIndex(unit))]);
}

std::string constantsText(const WindingMotor& motor, const MotorConstants& constants) {
    if (motor.useVorlick)
        return "Vorlick formula, which needs no constants";
    const auto constant = [](double value, std::string (*shown)(double)) {
        return value == 0 ? std::string("not calibrated") : shown(value);
    };
    return "Standard formula: turns constant " + constant(constants.turns, turnsConstantText) +
           ", torque constant " + constant(constants.torque, torqueConstantText);
}

} // namespace

std::vector<std::string> cardHeaderCells(LengthUnit unit) {
    // The torque at which the motor breaks at that limit, not the torque at the row's turns.
    std::vector<std::string> cells{"%", "Turns", "Cranks", "Breaking torque"};
    if (unit == LengthUnit::Millimetre)
        cells.emplace_back("N·mm");
    return cells;
}

std::vector<std::string> cardRowCells(const CardRow& row, LengthUnit unit) {
    std::vector<std::string> cells{formatInt(row.limit), row.turns.text,
                                   row.cranks ? formatInt(*row.cranks) : std::string(),
                                   row.torque.text};
    if (unit == LengthUnit::Millimetre)
        cells.push_back(row.torque.kind == CalcOutcome::Kind::Value
                            ? formatNewtonMillimetres(row.torqueOzIn)
                            : std::string());
    return cells;
}

std::string cardHeader(LengthUnit unit) {
    return joined(cardHeaderCells(unit));
}

std::string formatCardRow(const CardRow& row, LengthUnit unit) {
    return joined(cardRowCells(row, unit));
}

std::string formatCardText(const WindingCard& card, LengthUnit unit) {
    std::string text = cardHeader(unit) + '\n';
    for (const CardRow& row : card.rows)
        text += formatCardRow(row, unit) + '\n';
    return text;
}

std::string formatStretchedLength(const WindingCard& card, LengthUnit unit) {
    return card.stretchedLength ? withUnit(*card.stretchedLength, unit) : std::string();
}

std::vector<std::string> describeWindingCard(const WindingMotor& motor,
                                             const MotorConstants& constants,
                                             const WindingCard& card, LengthUnit unit) {
    std::string what = "Motor: ";
    if (motor.type >= 0 && motor.type < kRubberTypeCount)
        what += std::string(kRubberTypes[static_cast<std::size_t>(motor.type)].listText) + ", ";
    what += formatInt(motor.strands) + " strands";
    if (motor.width >= 0 && motor.width < kStripWidthCount)
        what += " of " +
                std::string(kStripWidths[static_cast<std::size_t>(motor.width)].displayText) +
                " strip";
    what +=
        isCardLength(motor.length) ? ", " + withUnit(motor.length, unit) + " long" : ", no length";

    std::string winder = "Winder ratio ";
    winder += motor.winderRatio >= 1 ? formatInt(motor.winderRatio) + ":1, cranks rounded down"
                                     : "not given, no cranks";
    std::string stretch = "Stretch " + formatShortest(motor.stretch) + " times";
    if (card.stretchedLength)
        stretch += ": wind at " + formatStretchedLength(card, unit);
    return {what, constantsText(motor, constants), winder, stretch,
            unit == LengthUnit::Millimetre ? "Torque in oz-in and N·mm" : "Torque in oz-in"};
}

} // namespace kestrune
