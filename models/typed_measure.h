// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What a decimal box of a modeller's page holds as a measure of a motor or its rubber, and when it
// holds none, why: the note the page shows beside it ("Length: a number above 0").

#include "core/units.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

inline constexpr std::string_view kNotAboveZero = "a number above 0";
inline constexpr std::string_view kTooLarge = "too large to compute with";
inline constexpr std::string_view kTooSmall = "too small to compute with";

struct TypedMeasure {
    std::optional<double> value;
    std::string_view fault; // kNotAboveZero or kTooLarge; empty for a value and for an empty box
};

// The text read whole as a number above 0 and at most largest; a number beyond the double range
// is too large as well.
TypedMeasure readTypedMeasure(std::string_view text, double largest);
// A length, or a strip thickness, typed in the unit: in inches, at most kLargestMotorMeasure.
TypedMeasure readTypedLength(std::string_view text, LengthUnit unit);

// "<box>: <fault>", or empty for no fault.
std::string boxNote(std::string_view box, std::string_view fault);

// A box of a page that holds no value, or a result left empty, and why.
struct BoxFault {
    std::string_view box;
    std::string_view fault;
};

} // namespace kestrune
