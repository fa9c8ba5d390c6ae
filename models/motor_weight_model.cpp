// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "motor_weight_model.h"

#include "core/motor_weight.h"
#include "core/number_text.h"
#include "models/kept_inputs.h"
#include "models/typed_measure.h"

#include <cmath>

namespace kestrune {
namespace {

constexpr std::string_view kKeptType = "motor-weight.type";
constexpr std::string_view kKeptWidth = "motor-weight.width";
constexpr std::string_view kKeptStrands = "motor-weight.strands";
constexpr std::string_view kKeptLimit = "motor-weight.limit";
constexpr std::string_view kKeptClass = "motor-weight.class";
constexpr std::string_view kKeptLength = "motor-weight.length";
constexpr std::string_view kKeptWeight = "motor-weight.weight";
constexpr std::string_view kKeptDecides = "motor-weight.decides"; // 0 the length, 1 the weight

// Why a measure found from another is none: beyond the largest motor or below the smallest.
std::string_view limitFault(std::optional<double> unlimited) {
    if (!unlimited)
        return {};
    return *unlimited > kLargestMotorMeasure ? kTooLarge : kTooSmall;
}

// A Width list entry: "1/8", in millimetres "1/8 (3.18 mm)".
std::string widthEntry(int width, LengthUnit unit) {
    std::string entry(widthListText(width));
    // In hundredths of a millimetre, exact for the widths' sixty-fourths, so 3.175 rounds up.
    if (unit == LengthUnit::Millimetre)
        entry += " (" +
                 formatFixed(std::round(stripWidthInches(width).value_or(0) * 2540) / 100, 2) +
                 " mm)";
    return entry;
}

} // namespace

MotorWeightModel::MotorWeightModel(const CalcState& state, Preferences& preferences,
                                   SharedMotor& shared)
    : state_(state), preferences_(preferences), shared_(shared) {}

void MotorWeightModel::start() {
    // The page's type is its own: choosing one here leaves the calculation pages' constants alone.
    choices_ = {};
    choices_.type = startingType(state_.currentType);
    choices_.units = lengthUnitIndex(preferences_.units());
    showUnit();
    showThickness(preferences_.thickness());
    showDensity(preferences_.density());
    motor_ = {};
    started_ = false;
    if (keptText(preferences_, kKeptLength) || keptText(preferences_, kKeptWeight)) {
        showKeptInputs();
    } else {
        motor_.typeLength(1.0);
        view_.length = formatLength(1.0, units());
        recompute();
    }
    started_ = true;
}

void MotorWeightModel::showKeptInputs() {
    const MotorWeightChoices first = choices_;
    MotorWeightChoices kept = first;
    kept.type = keptEntry(preferences_, kKeptType, kRubberTypeCount, first.type);
    kept.width = keptEntry(preferences_, kKeptWidth, kStripWidthCount, first.width);
    kept.strands = keptEntry(preferences_, kKeptStrands, kStrandCounts, first.strands);
    kept.limit = keptEntry(preferences_, kKeptLimit, kLimitCount, first.limit);
    kept.weightClass = keptEntry(preferences_, kKeptClass, static_cast<int>(kWeightClasses.size()),
                                 first.weightClass);
    // The class comes last, as when it is chosen: it puts its limit into the weight.
    choices_ = kept;
    choices_.weightClass = 0;
    if (keptEntry(preferences_, kKeptDecides, 2, 0) == 1)
        typeWeight(keptText(preferences_, kKeptWeight).value_or(""));
    else
        typeLength(keptText(preferences_, kKeptLength).value_or(""));
    choose(kept);
}

void MotorWeightModel::keepInputs() {
    for (const auto& [key, entry] :
         {std::pair{kKeptType, choices_.type}, std::pair{kKeptWidth, choices_.width},
          std::pair{kKeptStrands, choices_.strands}, std::pair{kKeptLimit, choices_.limit},
          std::pair{kKeptClass, choices_.weightClass}})
        keepEntry(preferences_, key, entry);
    keepText(preferences_, kKeptLength, view_.length);
    keepText(preferences_, kKeptWeight, view_.weight);
    keepEntry(preferences_, kKeptDecides, motor_.decides() == LinkedMotor::Side::Weight ? 1 : 0);
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
    const TypedMeasure length = readTypedLength(text, units());
    lengthFault_ = length.fault;
    weightFault_ = {};
    view_.length = std::move(text);
    motor_.typeLength(length.value);
    recompute();
}

void MotorWeightModel::typeWeight(std::string text) {
    const TypedMeasure weight = readTypedMeasure(text, kLargestMotorMeasure);
    weightFault_ = weight.fault;
    lengthFault_ = {};
    motor_.typeWeight(weight.value);
    view_.weight = std::move(text);
    recompute();
}

void MotorWeightModel::typeThickness(std::string text) {
    const TypedMeasure thickness = readTypedLength(text, units());
    thickness_ = thickness.value;
    thicknessFault_ = thickness.fault;
    if (thickness_ && preferences_.setThickness(*thickness_))
        seenThickness_ = *thickness_;
    view_.thickness = std::move(text);
    recompute();
}

void MotorWeightModel::typeDensity(std::string text) {
    const TypedMeasure density = readTypedMeasure(text, kLargestMotorMeasure);
    density_ = density.value;
    densityFault_ = density.fault;
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
        lengthFault_ = weightFault_ = {};
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

void MotorWeightModel::startWith(MotorWeightEntries entries) {
    holding_ = true;
    start();
    choose(entries.choices);
    for (const auto& [text, type] :
         {std::pair{&entries.thickness, &MotorWeightModel::typeThickness},
          {&entries.density, &MotorWeightModel::typeDensity},
          {&entries.length, &MotorWeightModel::typeLength},
          {&entries.weight, &MotorWeightModel::typeWeight}}) {
        if (*text)
            (this->*type)(std::move(**text));
    }
    holding_ = false;
    recompute();
}

void MotorWeightModel::showUnit() {
    view_.lengthUnit = units() == LengthUnit::Millimetre ? "mm" : "in";
    view_.widths.clear();
    for (int width = 0; width < kStripWidthCount; ++width)
        view_.widths.push_back(widthEntry(width, units()));
}

void MotorWeightModel::changeUnits(LengthUnit unit) {
    choices_.units = lengthUnitIndex(unit);
    showUnit();
    // The same motor and strip in the other unit: the exact values stay, only their text changes.
    if (motor_.length())
        view_.length = formatLength(*motor_.length(), unit);
    if (thickness_)
        view_.thickness = formatThickness(*thickness_, unit);
}

void MotorWeightModel::showThickness(double inches) {
    thickness_ = inches;
    thicknessFault_ = {};
    seenThickness_ = inches;
    view_.thickness = formatThickness(inches, units());
}

void MotorWeightModel::showDensity(double density) {
    density_ = density;
    densityFault_ = {};
    seenDensity_ = density;
    view_.density = formatDensity(density);
}

void MotorWeightModel::recompute() {
    if (holding_)
        return;
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
    values_ = {motor_.length(), motor_.weight(), results.turnsCount, results.torqueOunceInches};
    view_.turns = std::move(results.turns);
    view_.torque = std::move(results.torque);
    view_.perStrand = std::move(results.perStrand);
    view_.classCheck = std::move(results.classCheck);
    fault_ = findFault(inputs);
    view_.note = fault_ ? boxNote(fault_->box, fault_->fault) : std::string();
    keepInputs();
    if (started_ && inputs.strands > 0)
        shared_.size({inputs.type, inputs.width, inputs.strands, motor_.length().value_or(0)},
                     state_.turnsMotor);
}

std::optional<BoxFault> MotorWeightModel::findFault(const MotorWeightInputs& inputs) const {
    const bool lengthDecides = motor_.decides() == LinkedMotor::Side::Length;
    for (const auto& [box, fault] : {std::pair{lengthDecides ? kLengthBox : kWeightBox,
                                               lengthDecides ? lengthFault_ : weightFault_},
                                     {kThicknessBox, thicknessFault_},
                                     {kDensityBox, densityFault_}}) {
        if (!fault.empty())
            return BoxFault{box, fault};
    }
    const double width = stripWidthInches(inputs.width).value_or(0);
    const double strands = inputs.strands;
    const auto faultOf = [](std::string_view box,
                            std::string_view fault) -> std::optional<BoxFault> {
        if (fault.empty())
            return std::nullopt;
        return BoxFault{box, fault};
    };
    if (lengthDecides && motor_.length() && !motor_.weight())
        return faultOf(kWeightBox, limitFault(unlimitedMotorWeight(inputs.stock, width, strands,
                                                                   *motor_.length())));
    if (!lengthDecides && motor_.weight() && !motor_.length())
        return faultOf(kLengthBox, limitFault(unlimitedMotorLength(inputs.stock, width, strands,
                                                                   *motor_.weight())));
    if (view_.perStrand.empty()) {
        const double unit = units() == LengthUnit::Millimetre ? 1000 / kMillimetresPerInch : 1;
        return faultOf(kPerStrandBox,
                       limitFault(unlimitedMotorWeight(inputs.stock, width, 1, unit)));
    }
    return std::nullopt;
}

} // namespace kestrune
