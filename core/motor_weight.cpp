// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "motor_weight.h"

#include "number_text.h"
#include "shown_results.h"

#include <cmath>

namespace kestrune {
namespace {

std::optional<double> measure(std::optional<double> value) {
    if (!value || !isPositive(*value) || *value < kSmallestMotorMeasure ||
        *value > kLargestMotorMeasure)
        return std::nullopt;
    return value;
}

bool validStock(const RubberStock& stock, double width, double strands) {
    return isPositive(stock.thickness) && isPositive(stock.density) && isPositive(width) &&
           isPositive(strands);
}

} // namespace

std::string formatDensity(double density) {
    return formatSignificant(density, 4, 2, 4);
}

std::optional<double> unlimitedMotorWeight(const RubberStock& stock, double width, double strands,
                                           double length) {
    if (!validStock(stock, width, strands) || !isPositive(length))
        return std::nullopt;
    return stock.density * stock.thickness * width * strands * length *
           kCubicCentimetresPerCubicInch;
}

std::optional<double> unlimitedMotorLength(const RubberStock& stock, double width, double strands,
                                           double weight) {
    if (!validStock(stock, width, strands) || !isPositive(weight))
        return std::nullopt;
    return weight /
           (stock.density * stock.thickness * width * strands * kCubicCentimetresPerCubicInch);
}

std::optional<double> motorWeight(const RubberStock& stock, double width, double strands,
                                  double length) {
    return measure(unlimitedMotorWeight(stock, width, strands, length));
}

std::optional<double> motorLength(const RubberStock& stock, double width, double strands,
                                  double weight) {
    return measure(unlimitedMotorLength(stock, width, strands, weight));
}

std::string formatPerStrand(const RubberStock& stock, double width, LengthUnit unit) {
    if (unit == LengthUnit::Millimetre) {
        const auto perMetre = motorWeight(stock, width, 1, 1000 / kMillimetresPerInch);
        return perMetre ? formatSignificant(*perMetre, 2, 2, 1) + " g/m" : std::string();
    }
    const auto perInch = motorWeight(stock, width, 1, 1);
    return perInch ? formatSignificant(*perInch, 4, 4, 1) + " g/in" : std::string();
}

std::optional<double> classLimit(int weightClass) {
    if (weightClass <= 0 || weightClass >= static_cast<int>(kWeightClasses.size()))
        return std::nullopt;
    return kWeightClasses[static_cast<std::size_t>(weightClass)].limitGrams;
}

std::string classCheckText(int weightClass, std::optional<double> weight) {
    const std::optional<double> limit = classLimit(weightClass);
    if (!limit || !weight || !std::isfinite(*weight) || *weight > kLargestMotorMeasure)
        return {};
    const std::string limitName =
        " the " + std::string(kWeightClasses[static_cast<std::size_t>(weightClass)].shortName) +
        " limit";
    if (*weight == *limit)
        return "at" + limitName;
    const std::string side = *weight < *limit ? " under" : " over";
    const std::string amount = formatFixed(std::fabs(*weight - *limit), 2);
    if (amount == "0.00")
        return "less than 0.01 g" + side + limitName;
    return amount + " g" + side + limitName;
}

MotorWeightResults motorWeightResults(const CalcState& state, const MotorWeightInputs& inputs,
                                      std::optional<double> length, std::optional<double> weight,
                                      LengthUnit unit) {
    MotorWeightResults results;
    results.classCheck = classCheckText(inputs.weightClass, weight);
    const std::optional<double> width = stripWidthInches(inputs.width);
    if (!width)
        return results;
    results.perStrand = formatPerStrand(inputs.stock, *width, unit);
    if (!length || !isPositive(*length))
        return results;
    const MotorConstants constants = tableConstants(state, inputs.type);
    const double strands = inputs.strands;
    const double limit = inputs.limit;
    ShownTurns turns = breakingTurnsOf(state, inputs.type, constants.turns, *width, strands, limit,
                                       *length, false);
    if (turns.outcome.kind == CalcOutcome::Kind::Value)
        results.turnsCount = turns.turns;
    results.turns = std::move(turns.outcome.text);
    const ShownTorque torque =
        breakingTorqueOf(state, inputs.type, constants.torque, *width, strands, limit, false);
    if (torque.outcome.kind == CalcOutcome::Kind::Value)
        results.torqueOunceInches = torque.torque;
    results.torque = torque.outcome.kind == CalcOutcome::Kind::Value
                         ? formatTorque(torque.torque, unit)
                         : torque.outcome.text;
    return results;
}

} // namespace kestrune
