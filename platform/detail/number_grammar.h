// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What a number box lets the user write: the box checks the whole text after each key or paste.

#include <QStringView>

namespace kestrune::platform::detail {

// Nothing but the digits 0 to 9 (the empty text too).
bool isDigits(QStringView text);

// Whether the text is, or can still grow into, a number the program's number reader takes whole:
// an optional sign, digits with an optional point and digits (".5" and "5." too), then an optional
// exponent (e or E, an optional sign, digits). No blanks, no comma in any locale.
bool isDecimalPrefix(QStringView text);

} // namespace kestrune::platform::detail
