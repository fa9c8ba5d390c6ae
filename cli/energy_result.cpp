// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "cli/energy_result.h"

#include "batches/meter_log.h"
#include "core/motor_weight.h"
#include "core/number_text.h"
#include "models/torque_test_model.h"
#include "models/typed_measure.h"

#include <utility>

namespace kestrune {
namespace {

std::optional<std::string> valueFault(Option option, const std::string& text) {
    std::string_view why;
    if (text.empty()) {
        why = "empty, a value is needed";
    } else if (option == Option::AtTorque) {
        const std::optional<double> torque = readCompleteNumber(text);
        if (!torque || *torque < 0)
            why = "a torque of 0 oz-in or more";
    } else {
        why = readTypedMeasure(text, kLargestMotorMeasure).fault;
    }
    if (why.empty())
        return std::nullopt;
    return "--" + std::string(optionName(option)) + " '" + text + "': " + std::string(why);
}

CalcField field(std::string name, std::string shown, std::optional<double> value) {
    return {std::move(name), std::move(shown), true, value};
}

} // namespace

std::variant<CalcResult, CalcFault> energyResult(StoredFile& log, const OptionValues& values,
                                                 const CalcSetup& setup) {
    for (const Option option : motorOptions(Command::Energy)) {
        if (const std::optional<std::string>& text = valueOf(values, option)) {
            if (std::optional<std::string> fault = valueFault(option, *text))
                return CalcFault{std::move(*fault)};
        }
    }
    std::string bytes;
    const FileResult read = log.read(bytes, kMaxMeterLogBytes);
    if (!read.done())
        return CalcFault{log.name() + ": " +
                         (read.missing() ? "there is no such file" : read.reason)};

    TorqueTestModel model(setup.state, setup.preferences);
    TorqueTestTexts texts = model.start();
    texts.weight = valueOf(values, Option::Weight).value_or("");
    texts.totalTurns = valueOf(values, Option::TotalTurns).value_or("");
    texts.atTorque = valueOf(values, Option::AtTorque).value_or("");
    model.type(std::move(texts));
    if (const std::optional<std::string> refusal = model.readMeterText(std::move(bytes)))
        return CalcFault{log.name() + ": " + *refusal};

    const TorqueResultsView& shown = model.results();
    const TorqueResultValues& exact = model.values();
    CalcResult result;
    result.fields = {{"readings", model.readingsNote(), false, std::nullopt},
                     field("peak-torque", shown.peakTorque, exact.peakTorque),
                     field("peak-turns", shown.peakTurns, exact.peakTurns),
                     field("energy-in", shown.energyIn, exact.energyIn),
                     field("energy-out", shown.energyOut, exact.energyOut),
                     field("per-weight", shown.perWeight, exact.perWeight),
                     field("per-weight-ftlbf", shown.perWeightFtLbf, exact.perWeightFtLbf),
                     field("hysteresis", shown.hysteresis, exact.hysteresis),
                     {"hysteresis-flag", shown.hysteresisFlag, false, std::nullopt},
                     field("mean-torque", shown.meanTorque, exact.meanTorque),
                     field("turns-at-torque", shown.turnsAtTorque, exact.turnsAtTorque)};
    result.textLines.push_back(model.readingsNote());
    const std::vector<std::string> lines = model.resultLines();
    result.textLines.insert(result.textLines.end(), lines.begin(), lines.end());
    return result;
}

} // namespace kestrune
