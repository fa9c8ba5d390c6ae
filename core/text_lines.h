// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Lines of the text files Kestrune reads, LF or CR LF alike.

#include <string_view>

namespace kestrune {

// Takes the next line off the front of text: everything up to the next LF, or the rest when
// there is none. Carriage returns just before the LF belong to the line end (CR LF files, or one
// cut short after its CR), so a line never ends in one and what is written back reads the same.
inline std::string_view takeLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    while (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace kestrune
