// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "units.h"

#include "number_text.h"

namespace kestrune {

LengthUnit lengthUnitAt(int index) {
    return index == 1 ? LengthUnit::Millimetre : LengthUnit::Inch;
}

int lengthUnitIndex(LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? 1 : 0;
}

double toInches(double length, LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? length / kMillimetresPerInch : length;
}

double fromInches(double inches, LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? inches * kMillimetresPerInch : inches;
}

std::string formatLength(double inches, LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? formatSignificant(inches * kMillimetresPerInch, 1, 1, 1)
                                          : formatSignificant(inches, 2, 2, 1);
}

std::string formatThickness(double inches, LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? formatSignificant(inches * kMillimetresPerInch, 4, 0, 4)
                                          : formatSignificant(inches, 5, 0, 4);
}

std::string formatLengthInput(double inches, LengthUnit unit) {
    std::string exact = formatShortest(fromInches(inches, unit));
    std::string rounded = formatLength(inches, unit);
    return exact.size() <= rounded.size() ? exact : rounded;
}

std::string formatOunceInches(double ounceInches) {
    return formatFixed(ounceInches, 2);
}

std::string formatNewtonMillimetres(double ounceInches) {
    return formatFixed(ounceInches * kNewtonMillimetresPerOunceInch, 1);
}

std::string formatTorque(double ounceInches, LengthUnit unit) {
    std::string text = formatOunceInches(ounceInches) + " oz-in";
    if (unit == LengthUnit::Millimetre)
        text += " (" + formatNewtonMillimetres(ounceInches) + " N·mm)";
    return text;
}

std::string formatGrams(double grams) {
    return formatSignificant(grams, 2, 2, 1);
}

} // namespace kestrune
