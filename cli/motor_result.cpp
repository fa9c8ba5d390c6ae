// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "cli/motor_result.h"

#include "cli/list_choices.h"
#include "core/number_text.h"
#include "models/calc_page_model.h"
#include "models/motor_weight_model.h"
#include "models/winding_model.h"

#include <algorithm>

namespace kestrune {
namespace {

std::string optionText(Option option, std::string_view value) {
    return "--" + std::string(optionName(option)) + " '" + std::string(value) + "'";
}

// Reads the options of one motor; the first one that gives nothing is the motor's fault.
class MotorReader {
public:
    explicit MotorReader(const OptionValues& values) : values_(values) {}

    const std::optional<CalcFault>& fault() const { return fault_; }
    const std::optional<std::string>& given(Option option) const {
        return valueOf(values_, option);
    }

    // A text given empty is no value; in an --input file an empty field is an option not given.
    void refuseEmpty() {
        for (std::size_t i = 0; i < kOptionCount; ++i) {
            if (values_[i] && values_[i]->empty())
                fail(static_cast<Option>(i), {}, "empty, a value is needed");
        }
    }

    // The option's text; a missing one is a usage fault.
    std::string_view required(Option option) {
        const std::optional<std::string>& text = given(option);
        if (!text) {
            usage("--" + std::string(optionName(option)) + " is missing");
            return {};
        }
        return *text;
    }

    template <typename Entry>
    decltype(auto) entry(Option option, std::string_view fallback, Entry entryOf,
                         std::string_view expected) {
        const std::optional<std::string>& text = given(option);
        if (!text && fallback.empty())
            required(option);
        const std::string_view shown = text ? std::string_view(*text) : fallback;
        auto found = entryOf(shown);
        if (!found && !fault_ && (text || !fallback.empty()))
            fail(option, shown, expected);
        return found;
    }

    bool flag(Option option) {
        const std::optional<std::string>& text = given(option);
        if (!text || text->empty())
            return false;
        const std::optional<bool> set = readFlag(*text);
        if (!set)
            fail(option, *text, "1/0, yes/no or true/false");
        return set.value_or(false);
    }

    void fail(Option option, std::string_view value, std::string_view why) {
        if (!fault_)
            fault_ = CalcFault{optionText(option, value) + ": " + std::string(why)};
    }
    void usage(std::string message) {
        if (!fault_)
            fault_ = CalcFault{std::move(message), true};
    }

private:
    const OptionValues& values_;
    std::optional<CalcFault> fault_;
};

struct MotorLists {
    int type = TanII;
    int width = 0;
    int strands = 0;
};

MotorLists readMotorLists(MotorReader& reader) {
    reader.refuseEmpty();
    // Said only of a bad motor, but the same for every one.
    static const std::string types = "no such type (" + typeEntries() + ")";
    static const std::string widths = "no such width (" + widthEntries() + ")";
    MotorLists lists;
    lists.type = reader.entry(Option::Type, {}, typeEntry, types).value_or(TanII);
    lists.width = reader.entry(Option::Width, {}, widthEntry, widths).value_or(0);
    lists.strands =
        reader.entry(Option::Strands, {}, strandsEntry, "an even number from 2 to 36").value_or(0);
    return lists;
}

// The units the preferences give, as the Units list names them.
std::string_view unitsText(const Preferences& preferences) {
    return kLengthUnitTexts[static_cast<std::size_t>(lengthUnitIndex(preferences.units()))];
}

int readLimit(MotorReader& reader) {
    return reader.entry(Option::Limit, "80", limitEntry, "100, 95 ... 50").value_or(0);
}

// A constant given outright is the table's for the motor's type, as a calibration would make it.
CalcState motorState(MotorReader& reader, const CalcSetup& setup, int type) {
    CalcState state = setup.state;
    const auto slot = static_cast<std::size_t>(type);
    for (const auto& [option, table] : {std::pair{Option::TurnsConstant, &state.table.turns},
                                        std::pair{Option::TorqueConstant, &state.table.torque}}) {
        const std::optional<std::string>& text = reader.given(option);
        if (!text)
            continue;
        const std::optional<double> constant = readCompleteNumber(*text);
        if (!constant || *constant < 0)
            reader.fail(option, *text, "a number of 0 or more");
        else
            (*table)[slot] = *constant;
    }
    return state;
}

CalcField textField(std::string name, std::string shown) {
    return {std::move(name), std::move(shown), false, std::nullopt};
}
CalcField numberField(std::string name, std::string shown, std::optional<double> value) {
    return {std::move(name), std::move(shown), true, value};
}

std::variant<CalcResult, CalcFault> calcPageResult(Quantity quantity, const OptionValues& values,
                                                   const CalcSetup& setup) {
    MotorReader reader(values);
    const MotorLists lists = readMotorLists(reader);
    const int limit = readLimit(reader);
    std::string length;
    if (quantity == Quantity::Turns) {
        length = reader.required(Option::Length);
        // The Breaking Turns page's Length box takes digits only.
        if (!reader.fault() && (length.empty() || !isDigitsOnly(length)))
            reader.fail(Option::Length, length, "a whole number of inches");
    }
    const bool vorlick = reader.flag(Option::Vorlick);
    CalcState state = motorState(reader, setup, lists.type);
    if (reader.fault())
        return *reader.fault();

    CalcPageModel model(state, quantity);
    model.start();
    model.chooseType(lists.type);
    const std::optional<std::string> line =
        model.recompute({lists.width, lists.strands, limit, length, vorlick});
    if (!line)
        return CalcFault{optionText(Option::Length, length) +
                         ": gives no turns (a length above 0)"};
    const bool undefined = *line == kUndefinedText;
    CalcResult result;
    if (quantity == Quantity::Turns)
        result.fields.push_back(numberField(
            "turns", *line, undefined ? std::nullopt : std::optional(state.turnsMotor.turns)));
    else
        result.fields.push_back(numberField(
            "torque", *line, undefined ? std::nullopt : std::optional(state.torqueMotor.torque)));
    result.textLines.push_back(*line);
    return result;
}

std::variant<CalcResult, CalcFault> weightResult(const OptionValues& values,
                                                 const CalcSetup& setup) {
    MotorReader reader(values);
    const MotorLists lists = readMotorLists(reader);
    const int limit = readLimit(reader);
    static const std::string classes = "no such class (" + classEntries() + ")";
    const int weightClass = reader.entry(Option::Class, "None", classEntry, classes).value_or(0);
    const std::optional<LengthUnit> unit =
        reader.entry(Option::Units, unitsText(setup.preferences), unitEntry, "inch or mm");
    const std::optional<std::string>& length = reader.given(Option::Length);
    const std::optional<std::string>& weight = reader.given(Option::Weight);
    if (length && weight)
        reader.usage("--length and --weight: give one of them, the other follows");
    else if (!length && !weight && weightClass == 0)
        reader.usage("--length, --weight or --class is missing");
    CalcState state = motorState(reader, setup, lists.type);
    if (reader.fault())
        return *reader.fault();

    Preferences preferences = setup.preferences;
    // The options give the motor: the inputs the window kept from its last run take no part.
    preferences.keptInputs.clear();
    SharedMotor sized;
    MotorWeightModel model(state, preferences, sized);
    MotorWeightChoices choices;
    choices.type = lists.type;
    choices.width = lists.width;
    choices.strands = lists.strands;
    choices.limit = limit;
    choices.units = lengthUnitIndex(unit.value_or(LengthUnit::Inch));
    choices.weightClass = weightClass;
    // Typed after the class is chosen, a length or weight decides and the class is checked.
    model.startWith(
        {choices, reader.given(Option::Thickness), reader.given(Option::Density), length, weight});

    if (const std::optional<BoxFault> fault = model.fault()) {
        Option option = length ? Option::Length : weight ? Option::Weight : Option::Class;
        std::string_view own = length ? MotorWeightModel::kLengthBox : MotorWeightModel::kWeightBox;
        if (fault->box == MotorWeightModel::kThicknessBox ||
            fault->box == MotorWeightModel::kPerStrandBox) {
            option = Option::Thickness;
            own = MotorWeightModel::kThicknessBox;
        } else if (fault->box == MotorWeightModel::kDensityBox) {
            option = Option::Density;
            own = fault->box;
        }
        const std::optional<std::string>& text = reader.given(option);
        const std::string value = text ? *text : model.view().thickness;
        const std::string why =
            fault->box == own ? std::string(fault->fault) : boxNote(fault->box, fault->fault);
        return CalcFault{optionText(option, value) + ": " + why};
    }

    const MotorWeightView& view = model.view();
    const MotorWeightValues& exact = model.values();
    CalcResult result;
    result.fields = {numberField("length", view.length, exact.length),
                     numberField("weight", view.weight, exact.weight),
                     textField("thickness", view.thickness),
                     textField("density", view.density),
                     numberField("turns", view.turns, exact.turns),
                     numberField("torque", view.torque, exact.torque),
                     textField("per-strand", view.perStrand),
                     textField("class-check", view.classCheck)};
    const std::string unitText(kLengthUnitTexts[static_cast<std::size_t>(choices.units)]);
    for (auto [label, text] :
         {std::pair<std::string, const std::string&>{"Length (" + unitText + ")", view.length},
          {"Weight (g)", view.weight},
          {"Turns", view.turns},
          {"Torque", view.torque},
          {"Per strand", view.perStrand},
          {"Class check", view.classCheck}}) {
        if (!text.empty())
            result.textLines.push_back(label.append(": ").append(text));
    }
    return result;
}

std::variant<CalcResult, CalcFault> cardResult(const OptionValues& values, const CalcSetup& setup) {
    MotorReader reader(values);
    const MotorLists lists = readMotorLists(reader);
    const std::string_view length = reader.required(Option::Length);
    const bool vorlick = reader.flag(Option::Vorlick);
    const std::optional<LengthUnit> unit =
        reader.entry(Option::Units, unitsText(setup.preferences), unitEntry, "inch or mm");
    Preferences preferences = setup.preferences;
    preferences.setUnits(unit.value_or(LengthUnit::Inch));
    if (const auto& stretch = reader.given(Option::Stretch)) {
        const std::optional<double> times = readCompleteNumber(*stretch);
        if (!times || !preferences.setStretch(*times))
            reader.fail(Option::Stretch, *stretch, "a number of times from 3 to 6");
    }
    CalcState state = motorState(reader, setup, lists.type);
    if (reader.fault())
        return *reader.fault();

    preferences.keptInputs.clear();
    const SharedMotor none; // the motor is the options', not one the Motor Weight page sized
    WindingModel model(state, preferences, none);
    model.showWith({lists.type, lists.width, lists.strands, vorlick}, std::string(length),
                   reader.given(Option::Ratio));
    if (const std::optional<BoxFault> fault = model.fault()) {
        const bool ratio = fault->box != "Length";
        return CalcFault{optionText(ratio ? Option::Ratio : Option::Length,
                                    ratio ? model.view().winderRatio : std::string(length)) +
                         ": " + std::string(fault->fault)};
    }

    const WindingView& view = model.view();
    const WindingCard& card = model.card();
    const LengthUnit shownUnit = preferences.units();
    CalcResult result;
    result.fields = {numberField("stretched-length", view.stretchedLength, card.stretchedLength),
                     textField("winder-ratio", view.winderRatio),
                     textField("stretch", view.stretches[static_cast<std::size_t>(view.stretch)])};
    result.rows.reserve(card.rows.size());
    for (const CardRow& row : card.rows) {
        std::vector<std::string> cells = cardRowCells(row, shownUnit);
        cells.resize(5);
        const bool turns = row.turns.kind == CalcOutcome::Kind::Value;
        const bool torque = row.torque.kind == CalcOutcome::Kind::Value;
        std::vector<CalcField>& fields = result.rows.emplace_back();
        fields.reserve(cells.size());
        fields.push_back(numberField("limit", std::move(cells[0]), row.limit));
        fields.push_back(numberField("turns", std::move(cells[1]),
                                     turns ? std::optional<double>(row.turnsCount) : std::nullopt));
        fields.push_back(
            numberField("cranks", std::move(cells[2]),
                        row.cranks ? std::optional<double>(*row.cranks) : std::nullopt));
        fields.push_back(numberField("torque", std::move(cells[3]),
                                     torque ? std::optional(row.torqueOzIn) : std::nullopt));
        fields.push_back(textField("torque-nmm", std::move(cells[4])));
    }
    result.rowNames = {"limit", "turns", "cranks", "torque", "torque-nmm"};
    result.textLines = view.card;
    result.textLines.push_back("Stretched length: " + view.stretchedLength);
    return result;
}

} // namespace

std::variant<CalcResult, CalcFault> computeMotor(Command command, const OptionValues& values,
                                                 const CalcSetup& setup) {
    switch (command) {
    case Command::Turns:
        return calcPageResult(Quantity::Turns, values, setup);
    case Command::Torque:
        return calcPageResult(Quantity::Torque, values, setup);
    case Command::Weight:
        return weightResult(values, setup);
    case Command::Card:
        return cardResult(values, setup);
    default:
        return CalcFault{"no motor to compute", true};
    }
}

} // namespace kestrune
