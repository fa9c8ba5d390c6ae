// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "models/winding_model.h"

#include "core/iso_date.h"
#include "core/number_text.h"
#include "core/shown_results.h"
#include "models/typed_measure.h"

#include <algorithm>

namespace kestrune {
namespace {

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

WindingModel::WindingModel(const CalcState& state, Preferences& preferences)
    : state_(state), preferences_(preferences) {}

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
    const TurnsMotor& turns = state_.turnsMotor;
    relisted.motor = !taken_ || !sameMotorToWind(*taken_, turns);
    if (relisted.motor) {
        const WindingMotor taken = withTurnsMotor(motor(), turns);
        choices_ = {taken.type, taken.width, taken.strands / 2 - 1, taken.useVorlick};
        if (taken.length != lengthInches_)
            showLength(taken.length);
        taken_ = turns;
    }
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
    taken_ = state_.turnsMotor;
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

std::string WindingModel::copyText() const {
    return formatCardText(card_, unit_);
}

WindingPrintout WindingModel::printout(std::string_view programName,
                                       std::string_view version) const {
    WindingPrintout page;
    page.title = "Winding card";
    page.lines = describeWindingCard(motor_, pageConstants(state_, motor_.type), card_, unit_);
    page.header = cardHeaderCells(unit_);
    for (const CardRow& row : card_.rows)
        page.rows.push_back(cardRowCells(row, unit_));
    page.footer = std::string(programName) + " " + std::string(version) + ", " + todayIsoDate();
    return page;
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
    motor_ = motor();
    card_ = buildWindingCard(state_, motor_, pageConstants(state_, motor_.type));
    view_.card.clear();
    view_.card.push_back(cardHeader(unit_));
    for (const CardRow& row : card_.rows)
        view_.card.push_back(formatCardRow(row, unit_));
    view_.stretchedLength = formatStretchedLength(card_, unit_);
    const std::optional<BoxFault> shown = fault();
    view_.note = shown ? boxNote(shown->box, shown->fault) : std::string();
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
