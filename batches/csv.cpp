// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "csv.h"

#include <algorithm>

namespace kestrune {
namespace {

// Where a record whose line ends at lineEnd (an LF, or the end of text) stops, and how much it
// takes with its line end. Carriage returns before the line end belong to it.
CsvRecord endAt(std::string_view text, std::size_t lineEnd,
                std::optional<std::vector<std::string>> fields) {
    std::size_t end = lineEnd;
    while (end > 0 && text[end - 1] == '\r')
        --end;
    const std::size_t length = lineEnd < text.size() ? lineEnd + 1 : text.size();
    return {text.substr(0, end), length, std::move(fields)};
}

} // namespace

CsvRecord readCsvLine(std::string_view text, bool textEnds) {
    const std::size_t lineEnd = text.find('\n');
    if (lineEnd == std::string_view::npos && !textEnds)
        return {};
    return endAt(text, std::min(lineEnd, text.size()), std::nullopt);
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
            std::size_t after = pos;
            while (after < text.size() && text[after] == '\r')
                ++after;
            if (atEnd(after))
                return {};
            if (after == text.size() || text[after] == '\n')
                return endAt(text, after, std::move(fields));
            if (text[pos] != ',')
                return readCsvLine(text, textEnds);
            ++pos;
            continue;
        }
        std::size_t stop = pos;
        while (stop < text.size() && text[stop] != ',' && text[stop] != '\n')
            ++stop;
        if (atEnd(stop))
            return {};
        std::string_view bare = text.substr(pos, stop - pos);
        if (stop == text.size() || text[stop] == '\n') {
            while (!bare.empty() && bare.back() == '\r')
                bare.remove_suffix(1);
            fields.emplace_back(bare);
            return endAt(text, stop, std::move(fields));
        }
        fields.emplace_back(bare);
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
