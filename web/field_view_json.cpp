// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "field_view_json.h"

#include <string_view>

namespace kestrune {
namespace {

void appendString(std::string& out, std::string_view text) {
    static constexpr std::string_view kHex = "0123456789abcdef";
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
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c; // UTF-8 passes as it is
        }
    }
    out += '"';
}

void appendValue(std::string& out, const std::string& value) {
    appendString(out, value);
}
void appendValue(std::string& out, int value) {
    out += std::to_string(value);
}
void appendValue(std::string& out, bool value) {
    out += value ? "true" : "false";
}
template <typename T> void appendValue(std::string& out, const std::vector<T>& values) {
    out += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ',';
        appendValue(out, values[i]);
    }
    out += ']';
}

template <typename T>
void appendKeyed(std::string& out, std::string_view name, const FieldView::Keyed<T>& keyed) {
    out += ',';
    appendString(out, name);
    out += ":{";
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (i > 0)
            out += ',';
        appendString(out, keyed[i].first);
        out += ':';
        appendValue(out, keyed[i].second);
    }
    out += '}';
}

} // namespace

std::string fieldViewJson(const FieldView& view) {
    std::string out = "{\"tab\":";
    appendString(out, view.tab);
    appendKeyed(out, "texts", view.texts);
    appendKeyed(out, "lists", view.lists);
    appendKeyed(out, "selected", view.selected);
    appendKeyed(out, "checked", view.checked);
    appendKeyed(out, "tables", view.tables);
    out += ",\"kept\":{\"settings\":";
    appendString(out, view.keptSettings);
    out += ",\"preferences\":";
    appendString(out, view.keptPreferences);
    out += "}}";
    return out;
}

} // namespace kestrune
