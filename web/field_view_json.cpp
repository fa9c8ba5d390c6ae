// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "field_view_json.h"

#include "core/json_text.h"

#include <string_view>

namespace kestrune {
namespace {

void appendValue(std::string& out, const std::string& value) {
    appendJsonString(out, value);
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
    appendJsonString(out, name);
    out += ":{";
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (i > 0)
            out += ',';
        appendJsonString(out, keyed[i].first);
        out += ':';
        appendValue(out, keyed[i].second);
    }
    out += '}';
}

} // namespace

std::string fieldViewJson(const FieldView& view) {
    std::string out = "{\"tab\":";
    appendJsonString(out, view.tab);
    appendKeyed(out, "texts", view.texts);
    appendKeyed(out, "lists", view.lists);
    appendKeyed(out, "selected", view.selected);
    appendKeyed(out, "checked", view.checked);
    appendKeyed(out, "tables", view.tables);
    out += ",\"kept\":{\"settings\":";
    appendJsonString(out, view.keptSettings);
    out += ",\"preferences\":";
    appendJsonString(out, view.keptPreferences);
    out += "}}";
    return out;
}

} // namespace kestrune
