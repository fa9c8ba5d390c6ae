// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/number_grammar.h"

#include <algorithm>

namespace kestrune::platform::detail {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSign(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

} // namespace

bool isDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), isDigit);
}

bool isDecimalPrefix(QStringView text) {
    qsizetype at = 0;
    const auto skipDigits = [&] {
        const qsizetype from = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        return at - from;
    };
    if (at < text.size() && isSign(text[at]))
        ++at;
    qsizetype mantissa = skipDigits();
    if (at < text.size() && text[at] == QLatin1Char('.')) {
        ++at;
        mantissa += skipDigits();
    }
    if (at == text.size())
        return true;
    // An exponent needs a digit before it ("e5" and ".e5" are no numbers).
    if (mantissa == 0 || (text[at] != QLatin1Char('e') && text[at] != QLatin1Char('E')))
        return false;
    ++at;
    if (at < text.size() && isSign(text[at]))
        ++at;
    skipDigits();
    return at == text.size();
}

} // namespace kestrune::platform::detail
