// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "break_test_entry.h"

#include "batch_summary.h"
#include "core/iso_date.h"
#include "core/number_text.h"

#include <cmath>

namespace kestrune {
namespace {

BreakTestEntry refuse(std::string_view box, std::string_view takes) {
    std::string text = "The test was not added: \"";
    text += box;
    text += "\" ";
    text += takes;
    return {std::nullopt, std::move(text)};
}

std::optional<double> positiveNumber(std::string_view text) {
    const std::optional<double> value = readCompleteNumber(text);
    if (!value || !(*value > 0))
        return std::nullopt;
    return value;
}

} // namespace

BreakTestEntry readBreakTestEntry(const BreakTestTexts& texts, LengthUnit unit, double thickness) {
    BreakTest test;
    test.batch = texts.batch;
    test.date = texts.date;
    test.note = texts.note;
    if (texts.batch.find_first_not_of(" \t") == std::string::npos)
        return refuse("Batch", "needs the name of the batch of rubber, such as \"Tan II 2025 A\".");
    if (!isIsoDate(texts.date))
        return refuse("Date", "takes a day that exists, written as year-month-day: 2026-03-14.");
    if (texts.type < 0 || texts.type >= kRubberTypeCount)
        return refuse("Type", "needs a rubber type chosen.");
    if (!stripWidthInches(texts.width))
        return refuse("Width", "needs a strip width chosen.");
    test.type = texts.type;
    test.width = texts.width;

    const std::optional<int> strands = readWholeNumber(texts.strands);
    if (!strands || *strands < kLeastTestStrands || *strands > kMostTestStrands)
        return refuse("Strands", "takes a whole number of strands from 1 to 99.");
    test.strands = *strands;

    const std::optional<double> length = positiveNumber(texts.length);
    const double inches = length ? toInches(*length, unit) : 0;
    if (!std::isfinite(inches) || !(inches > 0))
        return refuse("Length", unit == LengthUnit::Millimetre
                                    ? "takes the motor's length in millimetres, above 0."
                                    : "takes the motor's length in inches, above 0.");
    test.length = inches;

    const std::optional<int> turns = readWholeNumber(texts.turns);
    if (isTooLargeWholeNumber(texts.turns))
        return refuse("Turns", "takes the whole number of turns at break, at most 2,147,483,647.");
    if (!turns || *turns < 1)
        return refuse("Turns", "takes the whole number of turns at break, at least 1.");
    test.turns = *turns;

    test.torque = positiveNumber(texts.torque);
    if (!texts.torque.empty() && !test.torque)
        return refuse("Torque", "takes the torque at break in oz-in, above 0, or nothing.");
    test.weight = positiveNumber(texts.weight);
    if (!texts.weight.empty() && !test.weight)
        return refuse("Weight (g)", "takes the motor's weight in grams, above 0, or nothing.");

    const TestConstants constants = constantsOf(test, thickness);
    if (!constants.turns)
        return refuse("Turns", "over \"Length\" gives a turns constant too large or too small "
                               "to compute with.");
    if (test.torque && !constants.torque)
        return refuse("Torque", "gives a torque constant too large or too small to compute with.");
    if (test.weight && !constants.density)
        return refuse("Weight (g)", "gives a density too large or too small to compute with.");
    return {std::move(test), {}};
}

} // namespace kestrune
