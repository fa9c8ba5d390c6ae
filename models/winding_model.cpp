// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "models/winding_model.h"

#include "core/iso_date.h"
#include "core/motor_weight.h"
#include "core/number_text.h"
#include "core/shown_results.h"
#include "models/kept_inputs.h"
#include "models/typed_measure.h"

#include <algorithm>

namespace kestrune {
namespace {

constexpr std::string_view kKeptType = "winding.type";
constexpr std::string_view kKeptWidth = "winding.width";
constexpr std::string_view kKeptStrands = "winding.strands";
constexpr std::string_view kKeptLength = "winding.length";
constexpr std::string_view kKeptVorlick = "winding.vorlick";

// Half steps from least to greatest, and the preferences' own value where it falls between.
std::vector<double> stretchEntries(double own) {
    std::vector<double> stretches;
    const auto halfSteps =
        static_cast<int>((Preferences::kGreatestStretch - Preferences::kLeastStretch) * 2);
    for (int i = 0; i <= halfSteps; ++i)
        stretches.push_back(Preferences::kLeastStretch + 0.5 * i);
    if (std::find(stretches.begin(), stretches.end(), own) == stretches.end())
        stretches.insert(std::upper_bound(stretches.begin(), stretches.end(), own), own);
    return stretches;
}

} // namespace

WindingModel::WindingModel(const CalcState& state, Preferences& preferences,
                           const SharedMotor& shared)
    : state_(state), preferences_(preferences), shared_(shared) {}

std::vector<std::string> WindingModel::winderRatioEntries() {
    std::vector<std::string> entries;
    entries.reserve(kWinderRatios.size());
    for (int ratio : kWinderRatios)
        entries.push_back(formatInt(ratio));
    return entries;
}

WindingRelisted WindingModel::shown() {
    WindingRelisted relisted;
    relisted.stretches = showPreferences();
    const MotorToWind toWind = shared_.toWind(state_.turnsMotor);
    if (!taken_ && showKeptInputs()) {
        relisted.motor = true;
    } else if (!taken_ || !sameMotorToWind(*taken_, toWind)) {
        relisted.motor = true;
        const WindingMotor taken = withMotorToWind(motor(), toWind);
        choices_ = {taken.type, taken.width, taken.strands / 2 - 1, taken.useVorlick};
        if (taken.length != lengthInches_)
            showLength(taken.length);
    }
    taken_ = toWind;
    recompute();
    return relisted;
}

bool WindingModel::showPreferences() {
    if (preferences_.units() != unit_) {
        unit_ = preferences_.units();
        view_.unit = kLengthUnitTexts[static_cast<std::size_t>(lengthUnitIndex(unit_))];
        // The same motor in the other unit: the exact length stays, only its text changes.
        if (lengthInches_ > 0)
            showLength(lengthInches_);
    }

    const int ratio = preferences_.winderRatio();
    view_.winderRatio = formatInt(ratio);
    const auto listed = std::find(kWinderRatios.begin(), kWinderRatios.end(), ratio);
    view_.winderRatioEntry =
        listed == kWinderRatios.end() ? -1 : static_cast<int>(listed - kWinderRatios.begin());

    std::vector<double> stretches = stretchEntries(preferences_.stretch());
    const bool relisted = stretches != stretches_;
    if (relisted) {
        stretches_ = std::move(stretches);
        view_.stretches.clear();
        for (double s : stretches_)
            view_.stretches.push_back(formatShortest(s));
    }
    const auto at = std::find(stretches_.begin(), stretches_.end(), preferences_.stretch());
    view_.stretch = static_cast<int>(at - stretches_.begin());
    return relisted;
}

void WindingModel::choose(const WindingChoices& choices) {
    choices_ = choices;
    recompute();
}

void WindingModel::typeLength(std::string text) {
    takeLength(std::move(text));
    recompute();
}

void WindingModel::takeLength(std::string text) {
    const TypedMeasure length = readTypedLength(text, unit_);
    lengthInches_ = length.value.value_or(0);
    lengthFault_ = length.fault;
    view_.length = std::move(text);
}

void WindingModel::typeWinderRatio(std::string text) {
    takeWinderRatio(std::move(text));
    recompute();
}

void WindingModel::takeWinderRatio(std::string text) {
    // Only a ratio the winder can have is kept; the card shows no cranks for any other.
    if (const auto ratio = readWholeNumber(text))
        preferences_.setWinderRatio(*ratio);
    const std::vector<std::string> entries = winderRatioEntries();
    const auto listed = std::find(entries.begin(), entries.end(), text);
    view_.winderRatioEntry =
        listed == entries.end() ? -1 : static_cast<int>(listed - entries.begin());
    view_.winderRatio = std::move(text);
}

void WindingModel::showWith(const WindingChoices& choices, std::string length,
                            std::optional<std::string> winderRatio) {
    showPreferences();
    // The motor given stands in for the Breaking Turns page's, as a choice after shown() would.
    taken_ = shared_.toWind(state_.turnsMotor);
    choices_ = choices;
    takeLength(std::move(length));
    if (winderRatio)
        takeWinderRatio(std::move(*winderRatio));
    recompute();
}

void WindingModel::chooseStretch(int entry) {
    view_.stretch = entry;
    if (entry >= 0 && static_cast<std::size_t>(entry) < stretches_.size())
        preferences_.setStretch(stretches_[static_cast<std::size_t>(entry)]);
    recompute();
}

std::vector<std::string> WindingModel::describedMotor() const {
    std::vector<std::string> lines =
        describeWindingCard(motor_, pageConstants(state_, motor_.type), card_, unit_);
    if (const ConstantsBatch* batch = preferences_.constantsBatch(state_.table, motor_.type);
        batch && !motor_.useVorlick)
        lines[1] +=
            (batch->torque ? ", from batch " : ", the turns constant from batch ") + batch->batch;
    const std::optional<double> width = stripWidthInches(motor_.width);
    const std::optional<double> weight =
        width && isCardLength(motor_.length)
            ? motorWeight(preferences_.stock(), *width, motor_.strands, motor_.length)
            : std::nullopt;
    if (weight)
        lines.insert(
            lines.begin() + 1,
            "Weight " + formatGrams(*weight) + " g, of rubber " +
                formatThickness(preferences_.thickness(), unit_) + " " +
                std::string(kLengthUnitTexts[static_cast<std::size_t>(lengthUnitIndex(unit_))]) +
                " thick at " + formatDensity(preferences_.density()) + " g/cm³");
    if (!view_.note.empty())
        lines.push_back(view_.note);
    return lines;
}

std::string WindingModel::copyText() const {
    std::string text;
    for (const std::string& line : describedMotor())
        text += line + '\n';
    return text + formatCardText(card_, unit_);
}

WindingPrintout WindingModel::printout(std::string_view programName,
                                       std::string_view version) const {
    WindingPrintout page;
    page.title = "Winding card";
    page.lines = describedMotor();
    page.header = cardHeaderCells(unit_);
    for (const CardRow& row : card_.rows)
        page.rows.push_back(cardRowCells(row, unit_));
    page.footer = std::string(programName) + " " + std::string(version) + ", " + todayIsoDate();
    return page;
}

bool WindingModel::showKeptInputs() {
    const std::optional<std::string> length = keptText(preferences_, kKeptLength);
    if (!length)
        return false;
    const WindingChoices start;
    choices_.type = keptEntry(preferences_, kKeptType, kRubberTypeCount, start.type);
    choices_.width = keptEntry(preferences_, kKeptWidth, kStripWidthCount, start.width);
    choices_.strands = keptEntry(preferences_, kKeptStrands, kStrandCounts, start.strands);
    choices_.vorlick = keptEntry(preferences_, kKeptVorlick, 2, 0) == 1;
    const TypedMeasure typed = readTypedLength(*length, unit_);
    lengthInches_ = typed.value.value_or(0);
    lengthFault_ = typed.fault;
    view_.length = *length;
    return true;
}

void WindingModel::keepInputs() {
    keepEntry(preferences_, kKeptType, choices_.type);
    keepEntry(preferences_, kKeptWidth, choices_.width);
    keepEntry(preferences_, kKeptStrands, choices_.strands);
    keepEntry(preferences_, kKeptVorlick, choices_.vorlick ? 1 : 0);
    keepText(preferences_, kKeptLength, view_.length);
}

WindingMotor WindingModel::motor() const {
    WindingMotor motor;
    motor.type = choices_.type;
    motor.width = choices_.width;
    motor.strands = choices_.strands < 0 ? 0 : strandCountAt(choices_.strands);
    motor.length = lengthInches_;
    motor.useVorlick = choices_.vorlick;
    // A ratio of 0, or none, gives a card without cranks.
    motor.winderRatio = readWholeNumber(view_.winderRatio).value_or(0);
    const bool chosen =
        view_.stretch >= 0 && static_cast<std::size_t>(view_.stretch) < stretches_.size();
    motor.stretch =
        chosen ? stretches_[static_cast<std::size_t>(view_.stretch)] : preferences_.stretch();
    return motor;
}

void WindingModel::showLength(double inches) {
    view_.length = inches > 0 ? formatLengthInput(inches, unit_) : "";
    lengthInches_ = inches;
    lengthFault_ = {};
}

void WindingModel::recompute() {
    // Before the page was first shown its inputs are no one's yet: keeping them would overwrite
    // the inputs kept from the last run with the defaults.
    if (taken_)
        keepInputs();
    motor_ = motor();
    const MotorConstants constants = pageConstants(state_, motor_.type);
    card_ = buildWindingCard(state_, motor_, constants);
    view_.card.clear();
    view_.card.push_back(cardHeader(unit_));
    for (const CardRow& row : card_.rows)
        view_.card.push_back(formatCardRow(row, unit_));
    view_.stretchedLength = formatStretchedLength(card_, unit_);
    const std::optional<BoxFault> shown = fault();
    view_.note = shown ? boxNote(shown->box, shown->fault) : std::string();
    // The standard formula computes nothing with a constant of 0: the rows say why they read
    // "Undefined" once nothing else needs saying.
    const bool uncalibrated = !motor_.useVorlick && (constants.turns == 0 || constants.torque == 0);
    if (view_.note.empty() && uncalibrated && motor_.type >= 0 && motor_.type < kRubberTypeCount)
        view_.note = std::string(kRubberTypes[static_cast<std::size_t>(motor_.type)].listText) +
                     " is not calibrated: calibrate it, or Use a batch";
}

std::optional<BoxFault> WindingModel::fault() const {
    if (motor_.winderRatio < 1)
        return BoxFault{"Winder ratio", isTooLargeWholeNumber(view_.winderRatio)
                                            ? "too large, at most 2,147,483,647"
                                            : "a whole number from 1 up"};
    if (!lengthFault_.empty())
        return BoxFault{"Length", lengthFault_};
    return std::nullopt;
}

} // namespace kestrune
