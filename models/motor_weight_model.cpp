// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "motor_weight_model.h"

#include "core/motor_weight.h"
#include "core/number_text.h"

namespace kestrune {
namespace {

// A box's text read whole, as a finite number above 0; nothing otherwise.
std::optional<double> typedPositive(const std::string& text) {
    const std::optional<double> value = readCompleteNumber(text);
    if (!value || !(*value > 0))
        return std::nullopt;
    return value;
}

} // namespace

MotorWeightModel::MotorWeightModel(const CalcState& state, Preferences& preferences)
    : state_(state), preferences_(preferences) {}

void MotorWeightModel::start() {
    // The page's type is its own: choosing one here leaves the calculation pages' constants alone.
    choices_ = {};
    choices_.type = startingType(state_.currentType);
    choices_.units = lengthUnitIndex(preferences_.units());
    showThickness(preferences_.thickness());
    showDensity(preferences_.density());
    motor_ = {};
    motor_.typeLength(1.0);
    view_.length = formatLength(1.0, units());
    recompute();
}

void MotorWeightModel::showAgain() {
    if (preferences_.units() != units())
        changeUnits(preferences_.units());
    if (preferences_.thickness() != seenThickness_)
        showThickness(preferences_.thickness());
    if (preferences_.density() != seenDensity_)
        showDensity(preferences_.density());
    recompute();
}

void MotorWeightModel::typeLength(std::string text) {
    std::optional<double> length = typedPositive(text);
    if (length)
        length = toInches(*length, units());
    view_.length = std::move(text);
    motor_.typeLength(length);
    recompute();
}

void MotorWeightModel::typeWeight(std::string text) {
    motor_.typeWeight(typedPositive(text));
    view_.weight = std::move(text);
    recompute();
}

void MotorWeightModel::typeThickness(std::string text) {
    thickness_ = typedPositive(text);
    if (thickness_)
        thickness_ = toInches(*thickness_, units());
    if (thickness_ && preferences_.setThickness(*thickness_))
        seenThickness_ = *thickness_;
    view_.thickness = std::move(text);
    recompute();
}

void MotorWeightModel::typeDensity(std::string text) {
    density_ = typedPositive(text);
    if (density_ && preferences_.setDensity(*density_))
        seenDensity_ = *density_;
    view_.density = std::move(text);
    recompute();
}

void MotorWeightModel::choose(const MotorWeightChoices& choices) {
    const bool classChanged = choices.weightClass != choices_.weightClass;
    const bool unitsChanged = choices.units != choices_.units;
    choices_ = choices;
    if (classChanged && motor_.chooseClass(choices.weightClass)) {
        // The deciding side took the class's limit, or the user's own value back.
        if (motor_.decides() == LinkedMotor::Side::Length)
            view_.length = motor_.length() ? formatLength(*motor_.length(), units()) : "";
        else
            view_.weight = motor_.weight() ? formatGrams(*motor_.weight()) : "";
    }
    if (unitsChanged) {
        preferences_.setUnits(units());
        changeUnits(units());
    }
    recompute();
}

void MotorWeightModel::changeUnits(LengthUnit unit) {
    choices_.units = lengthUnitIndex(unit);
    // The same motor and strip in the other unit: the exact values stay, only their text changes.
    if (motor_.length())
        view_.length = formatLength(*motor_.length(), unit);
    if (thickness_)
        view_.thickness = formatThickness(*thickness_, unit);
}

void MotorWeightModel::showThickness(double inches) {
    thickness_ = inches;
    seenThickness_ = inches;
    view_.thickness = formatThickness(inches, units());
}

void MotorWeightModel::showDensity(double density) {
    density_ = density;
    seenDensity_ = density;
    view_.density = formatDensity(density);
}

void MotorWeightModel::recompute() {
    MotorWeightInputs inputs;
    inputs.type = choices_.type;
    inputs.width = choices_.width;
    inputs.strands = choices_.strands < 0 ? 0 : strandCountAt(choices_.strands);
    inputs.limit = choices_.limit < 0 ? 0 : limitAt(choices_.limit);
    inputs.stock = {thickness_.value_or(0), density_.value_or(0)};
    inputs.weightClass = choices_.weightClass;
    motor_.follow(inputs.stock, stripWidthInches(inputs.width).value_or(0), inputs.strands);
    if (motor_.decides() == LinkedMotor::Side::Length)
        view_.weight = motor_.weight() ? formatGrams(*motor_.weight()) : "";
    else
        view_.length = motor_.length() ? formatLength(*motor_.length(), units()) : "";
    MotorWeightResults results =
        motorWeightResults(state_, inputs, motor_.length(), motor_.weight(), units());
    view_.turns = std::move(results.turns);
    view_.torque = std::move(results.torque);
    view_.perStrand = std::move(results.perStrand);
    view_.classCheck = std::move(results.classCheck);
}

} // namespace kestrune
