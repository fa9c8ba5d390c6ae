// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "csv.h"

#include <algorithm>

namespace kestrune {
namespace {

// The bytes of the line end at pos: LF, CR LF or a lone CR; 0 at the end of the text, and
// kNotYet where a CR ends a text that may go on with the LF of a CR LF.
constexpr std::size_t kNotYet = std::string_view::npos;
std::size_t lineEndBytes(std::string_view text, std::size_t pos, bool textEnds) {
    if (pos >= text.size())
        return 0;
    if (text[pos] == '\n')
        return 1;
    if (pos + 1 < text.size())
        return text[pos + 1] == '\n' ? 2 : 1;
    return textEnds ? 1 : kNotYet;
}

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The record whose line end starts at lineEnd (or the end of text); nothing yet where the line
// end may go on past the text.
CsvRecord endAt(std::string_view text, std::size_t lineEnd, bool textEnds,
                std::optional<std::vector<std::string>> fields) {
    const std::size_t ending = lineEndBytes(text, lineEnd, textEnds);
    if (ending == kNotYet || (ending == 0 && !textEnds))
        return {};
    return {text.substr(0, lineEnd), lineEnd + ending, std::move(fields)};
}

} // namespace

CsvRecord readCsvLine(std::string_view text, bool textEnds) {
    const std::size_t lineEnd = std::min(text.find_first_of("\r\n"), text.size());
    return endAt(text, lineEnd, textEnds, std::nullopt);
}

CsvRecord readCsvRecord(std::string_view text, bool textEnds) {
    // Where the record would reach the end of a text that may go on, it is not read yet.
    const auto atEnd = [&text, textEnds](std::size_t pos) {
        return pos >= text.size() && !textEnds;
    };
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (true) {
        std::string field;
        if (pos < text.size() && text[pos] == '"') {
            std::size_t from = pos + 1;
            while (true) {
                const std::size_t quote = text.find('"', from);
                if (quote == std::string_view::npos || atEnd(quote + 1))
                    return atEnd(text.size()) ? CsvRecord{} : readCsvLine(text);
                field.append(text.substr(from, quote - from));
                if (quote + 1 < text.size() && text[quote + 1] == '"') {
                    field += '"';
                    from = quote + 2;
                    continue;
                }
                pos = quote + 1;
                break;
            }
            fields.push_back(std::move(field));
            if (pos == text.size() || isLineEnd(text[pos]))
                return endAt(text, pos, textEnds, std::move(fields));
            if (text[pos] != ',')
                return readCsvLine(text, textEnds);
            ++pos;
            continue;
        }
        std::size_t stop = pos;
        while (stop < text.size() && text[stop] != ',' && !isLineEnd(text[stop]))
            ++stop;
        if (atEnd(stop))
            return {};
        fields.emplace_back(text.substr(pos, stop - pos));
        if (stop == text.size() || isLineEnd(text[stop]))
            return endAt(text, stop, textEnds, std::move(fields));
        pos = stop + 1;
    }
}

void appendCsvField(std::string& out, std::string_view field) {
    const bool plain = std::none_of(field.begin(), field.end(), [](char c) {
        return c == ',' || c == '"' || c == '\r' || c == '\n';
    });
    if (plain) {
        out += field;
        return;
    }
    out += '"';
    for (std::size_t quote = field.find('"'); quote != std::string_view::npos;
         quote = field.find('"')) {
        out.append(field.substr(0, quote + 1));
        out += '"';
        field.remove_prefix(quote + 1);
    }
    out += field;
    out += '"';
}

} // namespace kestrune
