// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Texts as JSON strings, for the command line's output and the field page's view: any bytes
// give a string a JSON parser reads.

#include <string>
#include <string_view>

namespace kestrune {

// Appends the text quoted, with quotes, backslashes and control characters escaped; bytes that
// are no UTF-8 become U+FFFD.
void appendJsonString(std::string& out, std::string_view bytes);

} // namespace kestrune
