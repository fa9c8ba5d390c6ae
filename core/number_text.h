// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Text <-> number for everything Kestrune shows, reads or stores. Never consults the process
// locale: a decimal-comma desktop must still write "2.70" into kes.cfg and the list rows.

#include <string>
#include <string_view>

namespace kestrune {

// Reads a number the way the classic C atof does in the "C" locale: leading white space is
// skipped, the longest leading decimal number is taken (optional sign, digits, optional point
// and digits, optional exponent) and the rest ignored; no number gives 0. No "inf", "nan" or hex.
// A magnitude beyond the double range gives +-infinity, one below it +-0, as atof would.
double parseNumber(std::string_view text);

// "%i" of a value.
std::string formatInt(int value);

// "%.Nf" of a value: rounded from the exact binary value, ties to even, "-0" for negative zero,
// "inf"/"nan" for the non-finite.
std::string formatFixed(double value, int decimals);

} // namespace kestrune
