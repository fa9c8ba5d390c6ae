// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fast_float/fast_float.h>
#include <system_error>

namespace kestrune {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// How far text follows the number grammar (optional sign, digits with at most one point, an
// optional exponent): the length of the leading complete number (0 when there is none), and the
// length of the part that more characters could still make a number ("1e-" of "1e-x").
struct Scan {
    std::size_t number = 0;
    std::size_t prefix = 0;
};

Scan scanNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return {0, i};
    Scan scan{i, i};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i)
            ++exponentDigits;
        scan.prefix = i;
        if (exponentDigits > 0)
            scan.number = i;
    }
    return scan;
}

// The significant digits of a number's text: those from its first digit other than 0 on.
int significantDigits(std::string_view text) {
    const std::size_t first = text.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    return static_cast<int>(
        std::count_if(text.begin() + static_cast<std::ptrdiff_t>(first), text.end(), isDigit));
}

} // namespace

bool isNumberPrefix(std::string_view text) {
    return scanNumber(text).prefix == text.size();
}

bool isDigitsOnly(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isDigit);
}

bool isCompleteNumber(std::string_view text) {
    const std::size_t number = scanNumber(text).number;
    return number > 0 && number == text.size();
}

std::optional<double> readCompleteNumber(std::string_view text) {
    if (!isCompleteNumber(text))
        return std::nullopt;
    const double value = parseNumber(text);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> readWholeNumber(std::string_view text) {
    if (text.empty() || !isDigitsOnly(text))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool isTooLargeWholeNumber(std::string_view text) {
    return !text.empty() && isDigitsOnly(text) && !readWholeNumber(text);
}

std::string formatShortest(double value) {
    std::string out;
    appendShortest(out, value);
    return out;
}

void appendShortest(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += kNoNumberText;
        return;
    }
    // Enough for any double in its shortest form ("-2.2250738585072014e-308").
    const std::size_t start = out.size();
    out.resize(start + 32);
    const auto result = std::to_chars(out.data() + start, out.data() + out.size(), value);
    out.resize(static_cast<std::size_t>(result.ptr - out.data()));
}

double parseNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    text.remove_prefix(start);
    const std::size_t length = scanNumber(text).number;
    if (length == 0)
        return 0.0;
    std::string_view number = text.substr(0, length);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);

    // The one exact reader on every build: the WebAssembly build's C++ library has no
    // floating-point from_chars. A magnitude beyond the double range reads as infinity, one below
    // it as 0, as atof reads them.
    double value = 0.0;
    const auto [end, error] =
        fast_float::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{} || end != number.data() + number.size())
        value = 0.0; // cannot happen for a scanned number; keep the atof contract anyway
    return negative ? -value : value;
}

std::string formatInt(int value) {
    std::string out(16, '\0');
    const auto result = std::to_chars(out.data(), out.data() + out.size(), value);
    out.resize(static_cast<std::size_t>(result.ptr - out.data()));
    return out;
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value))
        return std::string(kNoNumberText);
    // The largest double has 309 integral digits; room for sign, point and the decimals.
    std::string out(320 + static_cast<std::size_t>(decimals), '\0');
    const auto result = std::to_chars(out.data(), out.data() + out.size(), value,
                                      std::chars_format::fixed, decimals);
    out.resize(static_cast<std::size_t>(result.ptr - out.data()));
    return out;
}

std::string formatTrimmed(double value, int most, int least) {
    std::string text = formatFixed(value, most);
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return text;
    const std::size_t keep = std::max(text.find_last_not_of('0') + 1,
                                      point + 1 + static_cast<std::size_t>(std::max(least, 0)));
    text.erase(least == 0 && keep == point + 1 ? point : keep);
    return text;
}

std::string formatSignificant(double value, int most, int least, int digits) {
    constexpr int kMostDecimals = 20;
    if (!std::isfinite(value) || value == 0)
        return formatTrimmed(value, most, least);
    int decimals = most;
    while (significantDigits(formatFixed(value, decimals)) < digits) {
        if (++decimals > kMostDecimals)
            return formatShortest(value);
    }
    return formatTrimmed(value, decimals, least);
}

} // namespace kestrune
