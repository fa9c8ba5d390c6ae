// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "models/typed_measure.h"

#include "core/motor_weight.h"
#include "core/number_text.h"

namespace kestrune {

TypedMeasure readTypedMeasure(std::string_view text, double largest) {
    if (text.empty())
        return {};
    if (!isCompleteNumber(text) || !(parseNumber(text) > 0))
        return {std::nullopt, kNotAboveZero};
    const std::optional<double> value = readCompleteNumber(text);
    if (!value || *value > largest)
        return {std::nullopt, kTooLarge};
    return {value, {}};
}

TypedMeasure readTypedLength(std::string_view text, LengthUnit unit) {
    TypedMeasure typed = readTypedMeasure(text, kLargestMotorMeasure * kMillimetresPerInch);
    if (typed.value)
        typed.value = toInches(*typed.value, unit);
    if (typed.value && *typed.value > kLargestMotorMeasure)
        typed = {std::nullopt, kTooLarge};
    return typed;
}

std::string boxNote(std::string_view box, std::string_view fault) {
    if (fault.empty())
        return {};
    std::string note(box);
    note += ": ";
    note += fault;
    return note;
}

} // namespace kestrune
