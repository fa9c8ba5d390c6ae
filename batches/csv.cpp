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

constexpr std::size_t kNotWellFormed = kNotYet - 1;

// Where the line end of the record at the start of text is, found without copying a byte, so that
// a long record cut short by the end of a text that goes on costs only a look at its quotes;
// kNotYet for such a record, kNotWellFormed for a quoted field that never closes or a closing
// quote followed by anything but a comma or the line end.
std::size_t recordEnd(std::string_view text, bool textEnds) {
    std::size_t pos = 0;
    while (true) {
        if (pos < text.size() && text[pos] == '"') {
            std::size_t quote = text.find('"', pos + 1);
            // A quote doubled inside the field stands for one; the last byte may be half of one.
            while (quote != std::string_view::npos && quote + 1 < text.size() &&
                   text[quote + 1] == '"')
                quote = text.find('"', quote + 2);
            if (quote == std::string_view::npos || (quote + 1 == text.size() && !textEnds))
                return textEnds ? kNotWellFormed : kNotYet;
            pos = quote + 1;
            if (pos == text.size() || isLineEnd(text[pos]))
                return pos;
            if (text[pos] != ',')
                return kNotWellFormed;
            ++pos;
            continue;
        }
        const std::size_t stop = std::min(text.find_first_of(",\r\n\"", pos), text.size());
        if (stop == text.size() && !textEnds)
            return kNotYet;
        if (stop == text.size() || isLineEnd(text[stop]))
            return stop;
        if (text[stop] == '"')
            return kNotWellFormed; // a quote in a field that is not quoted
        pos = stop + 1;
    }
}

// The fields of a well-formed record, without its line end.
std::vector<std::string> fieldsOf(std::string_view record) {
    std::vector<std::string> fields;
    fields.reserve(16); // a log's record has 10 or 13: one allocation, not one each time it grows
    std::size_t pos = 0;
    while (true) {
        std::string& field = fields.emplace_back();
        if (pos < record.size() && record[pos] == '"') {
            for (++pos;;) {
                const std::size_t quote = record.find('"', pos);
                field.append(record.substr(pos, quote - pos));
                pos = quote + 1;
                if (pos == record.size() || record[pos] != '"')
                    break;
                field += '"';
                ++pos;
            }
        } else {
            const std::size_t stop = std::min(record.find(',', pos), record.size());
            field.assign(record.substr(pos, stop - pos));
            pos = stop;
        }
        if (pos >= record.size())
            return fields;
        ++pos; // the comma
    }
}

} // namespace

CsvRecord readCsvLine(std::string_view text, bool textEnds) {
    const std::size_t lineEnd = std::min(text.find_first_of("\r\n"), text.size());
    return endAt(text, lineEnd, textEnds, std::nullopt);
}

CsvRecord readCsvRecord(std::string_view text, bool textEnds) {
    const std::size_t end = recordEnd(text, textEnds);
    if (end == kNotYet)
        return {};
    if (end == kNotWellFormed)
        return readCsvLine(text, textEnds);
    CsvRecord record = endAt(text, end, textEnds, std::nullopt);
    if (record.length != 0)
        record.fields = fieldsOf(record.raw);
    return record;
}

bool csvSpansAStrayQuote(const std::vector<std::string>& fields, std::string_view record,
                         std::initializer_list<std::size_t> mayBreak,
                         const std::function<bool(std::vector<std::string>&)>& isRecord) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (std::find(mayBreak.begin(), mayBreak.end(), i) == mayBreak.end() &&
            fields[i].find_first_of("\r\n") != std::string::npos)
            return true;
    }
    for (std::size_t end = record.find_first_of("\r\n"); end != std::string_view::npos;
         end = record.find_first_of("\r\n", end)) {
        end += record.substr(end, 2) == "\r\n" ? 2 : 1;
        const CsvRecord line = readCsvLine(record.substr(end));
        CsvRecord read = line.raw.empty() ? CsvRecord{} : readCsvRecord(line.raw);
        if (read.fields && isRecord(*read.fields))
            return true;
    }
    return false;
}

void CsvOpenQuotes::take(std::string_view record) {
    unsigned live = live_ | kFieldStart; // a reader may begin at this record
    for (const char c : record) {
        unsigned next = 0;
        if ((live & kQuoted) != 0)
            next |= c == '"' ? kAfterQuote : kQuoted;
        if (c == '\r' || c == '\n') { // a record ends here but in quotes
            live = next;
            continue;
        }
        if ((live & kFieldStart) != 0)
            next |= c == '"' ? kQuoted : c == ',' ? kFieldStart : kPlain;
        if ((live & kPlain) != 0 && c != '"') // a quote in a field not quoted: no record
            next |= c == ',' ? kFieldStart : kPlain;
        if ((live & kAfterQuote) != 0 && (c == '"' || c == ','))
            next |= c == '"' ? kQuoted : kFieldStart; // a doubled quote, or the next field
        live = next;
    }
    live_ = live & kQuoted; // the line end ends every other reading
}

std::string csvHeader(std::span<const std::string_view> names) {
    std::string line;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            line += ',';
        appendCsvField(line, names[i]);
    }
    return line;
}

bool isCsvHeader(const std::vector<std::string>& fields, std::span<const std::string_view> names) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (fields.size() < 2 || names.size() < 2 || fields[1] != names[1])
        return false;
    std::string_view first = fields.front();
    if (first.starts_with(kByteOrderMark))
        first.remove_prefix(kByteOrderMark.size());
    return first == names.front();
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
