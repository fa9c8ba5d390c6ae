// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Text <-> number for everything Kestrune shows, reads or stores. Never consults the process
// locale: a decimal-comma desktop must still write "2.70" into kes.cfg and the list rows.

#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

// What every text of a number shows for a value that is no number to show (infinite or NaN): no
// page, file or printout ever says "inf" or "nan".
inline constexpr std::string_view kNoNumberText = "–";

// Reads a number the way the classic C atof does in the "C" locale: leading white space is
// skipped, the longest leading decimal number is taken (optional sign, digits, optional point
// and digits, optional exponent) and the rest ignored; no number gives 0. No "inf", "nan" or hex.
// A magnitude beyond the double range gives +-infinity, one below it +-0, as atof would.
double parseNumber(std::string_view text);

// What a decimal box holds, read whole: digits with at most one point (at least one digit), an
// optional leading sign and an optional exponent ("e", optional sign, digits), nothing else: no
// blanks, no comma, never the locale's decimal sign.
// A prefix is text that more keys can still make a complete number ("", "-", ".", "2.", "1e-").
bool isNumberPrefix(std::string_view text);
bool isCompleteNumber(std::string_view text);

// What a whole-number box holds: nothing but the digits 0 to 9 (the empty text too).
bool isDigitsOnly(std::string_view text);

// A complete number as parseNumber reads it, when it is finite; nothing otherwise (empty text,
// "2,7", "1e", a 400-digit number).
std::optional<double> readCompleteNumber(std::string_view text);

// Digits only, as a whole number that fits an int; nothing otherwise.
std::optional<int> readWholeNumber(std::string_view text);
// Digits only, of a whole number above the largest int: refused by readWholeNumber for its size.
bool isTooLargeWholeNumber(std::string_view text);

// The shortest text that parseNumber reads back as exactly the same double, for files: "0.042",
// "107", "1e-07". kNoNumberText for a value that is not finite.
std::string formatShortest(double value);
// The same text put at the end of out, for a writer of many numbers.
void appendShortest(std::string& out, double value);

// "%i" of a value.
std::string formatInt(int value);

// "%.Nf" of a value: rounded from the exact binary value, ties to even, "-0" for negative zero;
// kNoNumberText for a value that is not finite.
std::string formatFixed(double value, int decimals);

// formatFixed with `most` decimals, less the trailing zeros past the first `least`: (1, 4, 2)
// gives "1.00", (1.05238, 4, 2) "1.0524", (0.042, 5, 0) "0.042", (3, 4, 0) "3".
std::string formatTrimmed(double value, int most, int least);

// formatTrimmed, with more decimals where `most` would show fewer than `digits` significant digits
// of a value other than 0, so that none shows as 0: (0.000001, 5, 0, 4) gives "0.000001",
// (0.042, 5, 0, 4) "0.042", (0.006, 2, 2, 1) "0.01". One that would need more than 20 decimals is
// written as formatShortest writes it ("1e-30").
std::string formatSignificant(double value, int most, int least, int digits);

} // namespace kestrune
