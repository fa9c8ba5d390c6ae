// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "field_page.h"

#include "core/memory_file.h"
#include "core/motor_weight.h"
#include "core/number_text.h"
#include "core/units.h"
#include "core/winding_card.h"
#include "settings/exact_constants.h"
#include "settings/preferences_file.h"
#include "settings/settings_file.h"

namespace kestrune {
namespace {

constexpr std::string_view kTypeIds[] = {"turns-type", "card-type", "weight-type"};

std::vector<std::string> listOf(const auto& entries) {
    std::vector<std::string> list;
    list.reserve(entries.size());
    for (const auto& entry : entries)
        list.emplace_back(entry);
    return list;
}

// The list texts of a table of entries.
template <typename Entries> std::vector<std::string> listTexts(const Entries& entries) {
    std::vector<std::string> list;
    list.reserve(entries.size());
    for (const auto& entry : entries)
        list.emplace_back(entry.listText);
    return list;
}

std::vector<std::string> counted(int count, int (*at)(int)) {
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        list.push_back(formatInt(at(i)));
    return list;
}

int strandsAt(int i) {
    return strandCountAt(i);
}
int limitsAt(int i) {
    return limitAt(i);
}

// A list's entry as the browser gives it; -1 for none.
int entryOf(const std::string& value) {
    return readWholeNumber(value).value_or(-1);
}

std::vector<std::vector<std::string>> cellsOf(const std::vector<std::string>& rows) {
    std::vector<std::vector<std::string>> cells;
    for (const std::string& row : rows) {
        std::vector<std::string>& cellsOfRow = cells.emplace_back();
        std::size_t from = 0;
        for (;;) {
            const std::size_t tab = row.find('\t', from);
            cellsOfRow.push_back(row.substr(from, tab - from));
            if (tab == std::string::npos)
                break;
            from = tab + 1;
        }
    }
    return cells;
}

std::string fileFault(const std::string& name, const FileResult& result) {
    return name + " was not read: " + result.reason + ". The constants stay as they were.";
}

} // namespace

FieldPage::FieldPage()
    : turns_(state_, Quantity::Turns), card_(state_, preferences_, cardMotor_),
      weight_(state_, preferences_, weightMotor_), batches_(state_, preferences_) {
    turnsInputs_ = {static_cast<int>(StripWidth::W1_8), 1, 4, "", false};
    start(nullptr, nullptr);
    updateView();
}

void FieldPage::request(std::span<const std::string> args) {
    if (args.empty())
        return;
    const std::string& name = args[0];
    if (name == "start")
        start(args.size() > 1 ? &args[1] : nullptr, args.size() > 2 ? &args[2] : nullptr);
    else if (name == "change" && args.size() == 3)
        change(args[1], args[2]);
    else if (name == "settings")
        pickSettings(args.subspan(1));
    else if (name == "batches" && args.size() == 3)
        pickBatches(args[1], args[2]);
    updateView();
}

void FieldPage::start(const std::string* settings, const std::string* preferences) {
    // As the window starts: kes.cfg, then kes-prefs.cfg, whose exact constants count only beside
    // the kes.cfg that rounds them.
    MemoryFile settingsFile(std::string(kSettingsFileName),
                            settings ? std::optional<std::string>(*settings) : std::nullopt);
    MemoryFile preferencesFile(std::string(kPreferencesFileName),
                               preferences ? std::optional<std::string>(*preferences)
                                           : std::nullopt);
    SettingsLines lines;
    state_ = {};
    if (!loadSettings(state_, settingsFile, lines).done())
        state_.table = kDefaultCalibration;
    preferences_ = {};
    loadPreferences(preferences_, preferencesFile);
    useExactConstants(state_.table, lines, preferences_.exactConstants);
    turns_.start();
    selectRubberType(state_, Quantity::Torque, state_.currentType);
    weight_.start();
    tab_ = "turns";
    message_.clear();
    constantsChanged();
}

void FieldPage::change(std::string_view id, std::string value) {
    const auto weightChoice = [&](int MotorWeightChoices::*field) {
        MotorWeightChoices choices = weight_.choices();
        choices.*field = entryOf(value);
        weight_.choose(choices);
    };
    const auto cardChoice = [&](auto WindingChoices::*field, auto entry) {
        WindingChoices choices = card_.choices();
        choices.*field = entry;
        card_.choose(choices);
    };
    if (id == "tab")
        showTab(std::move(value));
    else if (id == "turns-type")
        turns_.chooseType(entryOf(value));
    else if (id == "turns-width")
        turnsInputs_.width = entryOf(value);
    else if (id == "turns-strands")
        turnsInputs_.strands = entryOf(value);
    else if (id == "turns-limit")
        turnsInputs_.limit = entryOf(value);
    else if (id == "turns-length")
        turnsInputs_.length = std::move(value);
    else if (id == "turns-vorlick")
        turnsInputs_.useVorlick = value == "1";
    else if (id == "card-type")
        cardChoice(&WindingChoices::type, entryOf(value));
    else if (id == "card-width")
        cardChoice(&WindingChoices::width, entryOf(value));
    else if (id == "card-strands")
        cardChoice(&WindingChoices::strands, entryOf(value));
    else if (id == "card-vorlick")
        cardChoice(&WindingChoices::vorlick, value == "1");
    else if (id == "card-length")
        card_.typeLength(std::move(value));
    else if (id == "card-ratio")
        card_.typeWinderRatio(std::move(value));
    else if (id == "card-stretch")
        card_.chooseStretch(entryOf(value));
    else if (id == "card-units") {
        const int units = entryOf(value);
        if (units >= 0 && units < static_cast<int>(kLengthUnitTexts.size()))
            preferences_.setUnits(lengthUnitAt(units));
        card_.shown();
    } else if (id == "weight-type")
        weightChoice(&MotorWeightChoices::type);
    else if (id == "weight-width")
        weightChoice(&MotorWeightChoices::width);
    else if (id == "weight-strands")
        weightChoice(&MotorWeightChoices::strands);
    else if (id == "weight-limit")
        weightChoice(&MotorWeightChoices::limit);
    else if (id == "weight-class")
        weightChoice(&MotorWeightChoices::weightClass);
    else if (id == "weight-units")
        weightChoice(&MotorWeightChoices::units);
    else if (id == "weight-length")
        weight_.typeLength(std::move(value));
    else if (id == "weight-weight")
        weight_.typeWeight(std::move(value));
    else if (id == "weight-thickness")
        weight_.typeThickness(std::move(value));
    else if (id == "weight-density")
        weight_.typeDensity(std::move(value));
    else if (id.starts_with("const-") && id.size() == std::string_view("const-turns.0").size() &&
             id.back() >= '1' && id.back() <= '3') {
        const std::size_t type = static_cast<std::size_t>(id.back() - '1');
        if (id.starts_with("const-turns."))
            typeConstant(type, std::move(value));
        else if (id.starts_with("const-torq."))
            typeConstant(kRubberTypeCount + type, std::move(value));
    } else if (id == "batch-use") {
        const UseOutcome outcome = batches_.use(entryOf(value));
        message_ = outcome.applied ? "The batch's means are the constants of its type now."
                                   : outcome.message.value_or("");
        if (outcome.applied)
            constantsChanged();
    } else if (id == "defaults") {
        state_.table = kDefaultCalibration;
        message_ = "The built-in constants are in use again.";
        constantsChanged();
    }
}

void FieldPage::typeConstant(std::size_t slot, std::string text) {
    const bool turns = slot < kRubberTypeCount;
    const std::size_t type = slot % kRubberTypeCount;
    const std::optional<double> value = readCompleteNumber(text);
    constantTexts_[slot] = std::move(text);
    constantsNote_.clear();
    if (!value || *value < 0) {
        constantsNote_ =
            std::string(kRubberTypes[type].listText) + (turns ? " turns" : " torque") +
            " constant: a number from 0 up (0: not calibrated); the one in use stays " +
            formatShortest(turns ? state_.table.turns[type] : state_.table.torque[type]);
        return;
    }
    (turns ? state_.table.turns : state_.table.torque)[type] = *value;
    const auto kept = constantTexts_;
    constantsChanged();
    constantTexts_ = kept; // the boxes keep what is typed
}

void FieldPage::constantsChanged() {
    // Each page computes with the constants of the type it shows, as after a calibration.
    turns_.chooseType(state_.currentType);
    selectRubberType(state_, Quantity::Torque, state_.currentType);
    card_.choose(card_.choices());
    weight_.showAgain();
    for (std::size_t type = 0; type < kRubberTypeCount; ++type) {
        constantTexts_[type] = formatShortest(state_.table.turns[type]);
        constantTexts_[kRubberTypeCount + type] = formatShortest(state_.table.torque[type]);
    }
    constantsNote_.clear();
}

void FieldPage::showTab(std::string tab) {
    if (tab == "card")
        card_.shown();
    else if (tab == "weight")
        weight_.showAgain();
    else if (tab != "turns" && tab != "constants")
        return;
    tab_ = std::move(tab);
}

void FieldPage::pickSettings(std::span<const std::string> files) {
    const std::string *settings = nullptr, *preferences = nullptr;
    std::string settingsName, preferencesName;
    for (std::size_t i = 0; i + 1 < files.size(); i += 2) {
        // A phone may rename a download ("kes-prefs (1).cfg"): the name says which file it is.
        const bool isPreferences = files[i].find("prefs") != std::string::npos;
        (isPreferences ? preferences : settings) = &files[i + 1];
        (isPreferences ? preferencesName : settingsName) = files[i];
    }
    if (!settings) {
        message_ = "Pick kes.cfg, and kes-prefs.cfg beside it for the exact constants.";
        return;
    }
    // Read beside the page's own, so that a file that cannot be read changes nothing.
    CalcState read;
    SettingsLines lines;
    MemoryFile settingsFile(settingsName, *settings);
    if (const FileResult result = loadSettings(read, settingsFile, lines); !result.done()) {
        message_ = fileFault(settingsName, result);
        return;
    }
    message_ = "The constants of " + settingsName + " are in use.";
    if (preferences) {
        Preferences picked;
        MemoryFile preferencesFile(preferencesName, *preferences);
        if (const FileResult result = loadPreferences(picked, preferencesFile); !result.done()) {
            message_ = fileFault(preferencesName, result);
            return;
        }
        useExactConstants(read.table, lines, picked.exactConstants);
        preferences_ = picked;
        message_ = "The constants of " + settingsName + " and " + preferencesName +
                   ", and its units, strip and winder, are in use.";
    }
    state_.table = read.table;
    constantsChanged();
}

void FieldPage::pickBatches(const std::string& name, const std::string& bytes) {
    MemoryFile file(name, bytes);
    const FileResult result = batches_.load(file);
    message_ = result.done() ? name + ": choose a batch and Use its means."
                             : name + " was not read: " + result.reason + ".";
}

void FieldPage::updateView() {
    FieldView view;
    view.tab = tab_;
    const auto text = [&](std::string_view id, std::string value) {
        view.texts.emplace_back(id, std::move(value));
    };
    const auto list = [&](std::string_view id, std::vector<std::string> entries, int selected) {
        view.lists.emplace_back(id, std::move(entries));
        view.selected.emplace_back(id, selected);
    };
    const std::vector<std::string> types = listTexts(kRubberTypes);
    const std::vector<std::string> widths = listTexts(kStripWidths);
    const std::vector<std::string> strands = counted(kStrandCounts, strandsAt);
    const std::vector<std::string> limits = counted(kLimitCount, limitsAt);
    const std::vector<std::string> units = listOf(kLengthUnitTexts);

    list(kTypeIds[0], types, turns_.shownType());
    list("turns-width", widths, turnsInputs_.width);
    list("turns-strands", strands, turnsInputs_.strands);
    list("turns-limit", limits, turnsInputs_.limit);
    view.checked.emplace_back("turns-vorlick", turnsInputs_.useVorlick);
    text("turns-length", turnsInputs_.length);
    // The window's box takes digits only; here a text that is no whole number gives no result.
    if (isDigitsOnly(turnsInputs_.length)) {
        text("turns-result", turns_.recompute(turnsInputs_).value_or(""));
        text("turns-note", "");
    } else {
        text("turns-result", "");
        text("turns-note", "Length: whole inches, the digits 0 to 9 only");
    }

    const WindingView& card = card_.view();
    const WindingChoices& cardChoices = card_.choices();
    list(kTypeIds[1], types, cardChoices.type);
    list("card-width", widths, cardChoices.width);
    list("card-strands", strands, cardChoices.strands);
    list("card-units", units, lengthUnitIndex(preferences_.units()));
    list("card-stretch", card.stretches, card.stretch);
    view.lists.emplace_back("card-ratios", WindingModel::winderRatioEntries());
    view.checked.emplace_back("card-vorlick", cardChoices.vorlick);
    text("card-length", card.length);
    text("card-length-unit", card.unit);
    text("card-ratio", card.winderRatio);
    text("card-stretched", card.stretchedLength);
    text("card-note", card.note);
    view.tables.emplace_back("card", cellsOf(card.card));

    const MotorWeightView& weight = weight_.view();
    const MotorWeightChoices& weightChoices = weight_.choices();
    list(kTypeIds[2], types, weightChoices.type);
    list("weight-width", widths, weightChoices.width);
    list("weight-strands", strands, weightChoices.strands);
    list("weight-limit", limits, weightChoices.limit);
    list("weight-class", listTexts(kWeightClasses), weightChoices.weightClass);
    list("weight-units", units, weightChoices.units);
    text("weight-length", weight.length);
    text("weight-weight", weight.weight);
    text("weight-thickness", weight.thickness);
    text("weight-density", weight.density);
    text("weight-turns", weight.turns);
    text("weight-torque", weight.torque);
    text("weight-per-strand", weight.perStrand);
    text("weight-class-check", weight.classCheck);
    text("weight-note", weight.note);

    for (std::size_t type = 0; type < kRubberTypeCount; ++type) {
        const std::string n = std::to_string(type + 1);
        text("const-turns." + n, constantTexts_[type]);
        text("const-torq." + n, constantTexts_[kRubberTypeCount + type]);
    }
    text("const-note", constantsNote_);
    text("message", message_);
    std::vector<std::string> batchRows;
    batchRows.reserve(static_cast<std::size_t>(batches_.batchesRows()));
    for (int row = 0; row < batches_.batchesRows(); ++row)
        batchRows.push_back(batches_.batchesRow(row));
    view.tables.emplace_back("batches", cellsOf(batchRows));

    Preferences kept = preferences_;
    kept.exactConstants = exactConstantsOf(state_.table);
    view.keptSettings = formatSettings(state_.table);
    view.keptPreferences = formatPreferences(kept);
    view_ = std::move(view);
}

} // namespace kestrune
