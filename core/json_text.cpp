// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/json_text.h"

#include "core/valid_utf8.h"

#include <algorithm>

namespace kestrune {
namespace {

bool isPlainAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
    });
}

} // namespace

void appendJsonString(std::string& out, std::string_view bytes) {
    constexpr std::string_view kHex = "0123456789abcdef";
    // Most texts are numbers and names that need no escape and no check of their UTF-8.
    if (isPlainAscii(bytes)) {
        out += '"';
        out += bytes;
        out += '"';
        return;
    }
    const std::string text = validUtf8(bytes);
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4U];
            out += kHex[byte & 0xFU];
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace kestrune
