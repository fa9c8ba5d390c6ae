// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Inches or millimetres for the modeller's pages, and how their results are written. Motors are
// kept in inches and oz-in, as the calculations take them; only what is shown is converted.

#include <array>
#include <cmath>
#include <string>
#include <string_view>

namespace kestrune {

enum class LengthUnit { Inch, Millimetre };

inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kCubicCentimetresPerCubicInch = 16.387064;
// 0.28349523125 kg x 9.80665 m/s^2 x 25.4 mm
inline constexpr double kNewtonMillimetresPerOunceInch = 7.0615518;

// What every measure of a motor, a test or a piece of rubber must be to give a result.
inline bool isPositive(double value) {
    return std::isfinite(value) && value > 0;
}

// The Units list, in this order.
inline constexpr std::array<std::string_view, 2> kLengthUnitTexts{"inch", "mm"};

// The unit at a Units list index (anything but 1 is inches) and the index of a unit.
LengthUnit lengthUnitAt(int index);
int lengthUnitIndex(LengthUnit unit);

double toInches(double length, LengthUnit unit);
double fromInches(double inches, LengthUnit unit);

// A length in the unit, without the unit: "%.2f" inches, "%.1f" millimetres, with the decimals
// a shorter one needs not to show as 0 ("0.004"); kNoNumberText for one beyond the double range
// in the unit.
std::string formatLength(double inches, LengthUnit unit);
// The same for a box the user may type into: the exact value where it is no longer ("10", "254",
// "10.5"), so a length taken from another page reads as it was typed there.
std::string formatLengthInput(double inches, LengthUnit unit);

// A strip thickness in the unit, without the unit and without trailing zeros, to 0.00001 in or
// 0.0001 mm, or to four significant digits where those show fewer: "0.042" in, "1.0668" mm,
// "0.000001" in.
std::string formatThickness(double inches, LengthUnit unit);

// Torque as the pages write it: "6.11 oz-in", and in millimetre units "6.11 oz-in (43.2 N·mm)".
std::string formatTorque(double ounceInches, LengthUnit unit);
// Its two numbers alone, for tables: "%.2f" oz-in, "%.1f" N·mm.
std::string formatOunceInches(double ounceInches);
std::string formatNewtonMillimetres(double ounceInches);

// A weight in grams, without the unit: "%.2f", with the decimals a lighter one needs not to show
// as 0 ("0.004").
std::string formatGrams(double grams);

} // namespace kestrune
