// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_log_format.h"

#include "batch_summary.h"
#include "core/number_text.h"
#include "csv.h"

#include <array>
#include <functional>
#include <utility>

namespace kestrune {
namespace {

constexpr std::array<std::string_view, 13> kHeaderFields{
    "Batch",          "Date",           "Type",       "Width", "Strands",        "Length (in)",
    "Turns",          "Torque (oz-in)", "Weight (g)", "Note",  "Turns constant", "Torque constant",
    "Density (g/cm³)"};
constexpr std::size_t kTestFields = 10;

// A spreadsheet may save the file with a byte-order mark before the header.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// An empty field is no value; anything else must be a number above 0.
bool readOptional(std::string_view field, std::optional<double>& value) {
    if (field.empty())
        return true;
    value = readCompleteNumber(field);
    return value.has_value();
}

std::string optionalNumber(std::optional<double> value) {
    return value ? formatShortest(*value) : std::string();
}

// The header line as this or a spreadsheet wrote it: no test has "Date" for a date, so a test
// whose batch is called "Batch" is not taken for one.
bool isHeader(const std::vector<std::string>& fields) {
    if (fields.size() < 2 || fields[1] != kHeaderFields[1])
        return false;
    std::string_view first = fields.front();
    if (first.starts_with(kByteOrderMark))
        first.remove_prefix(kByteOrderMark.size());
    return first == kHeaderFields.front();
}

void appendEntry(std::string& out, const BatchLogEntry& entry, double thickness,
                 std::vector<std::uint64_t>* hashes) {
    const std::size_t start = out.size();
    if (const std::optional<BreakTest> test = entry.test())
        appendBreakTestRecord(out, *test, thickness);
    else
        out += entry.unreadable();
    if (hashes != nullptr)
        hashes->push_back(recordHashOf(std::string_view(out).substr(start)));
    out += '\n';
}

} // namespace

std::string batchLogHeader() {
    std::string line;
    for (std::size_t i = 0; i < kHeaderFields.size(); ++i) {
        if (i > 0)
            line += ',';
        appendCsvField(line, kHeaderFields[i]);
    }
    return line;
}

void appendBreakTestRecord(std::string& out, const BreakTest& test, double thickness) {
    const TestConstants constants = constantsOf(test, thickness);
    appendCsvField(out, test.batch);
    for (const std::string_view field :
         {std::string_view(test.date), typeListText(test.type), widthListText(test.width)}) {
        out += ',';
        appendCsvField(out, field);
    }
    for (const std::string& field :
         {formatInt(test.strands), formatShortest(test.length), formatInt(test.turns),
          optionalNumber(test.torque), optionalNumber(test.weight)}) {
        out += ',';
        out += field;
    }
    out += ',';
    appendCsvField(out, test.note);
    for (const std::optional<double> derived :
         {constants.turns, constants.torque, constants.density}) {
        out += ',';
        out += optionalNumber(derived);
    }
}

std::string formatBreakTestRecord(const BreakTest& test, double thickness) {
    std::string line;
    appendBreakTestRecord(line, test, thickness);
    return line;
}

std::optional<BreakTest> readBreakTestFields(std::vector<std::string>& fields) {
    if (fields.size() != kTestFields && fields.size() != kHeaderFields.size())
        return std::nullopt;
    BreakTest test;
    test.date = fields[1];
    const std::optional<int> type = typeOfListText(fields[2]);
    const std::optional<int> width = widthOfListText(fields[3]);
    const std::optional<int> strands = readWholeNumber(fields[4]);
    const std::optional<double> length = readCompleteNumber(fields[5]);
    const std::optional<int> turns = readWholeNumber(fields[6]);
    if (!type || !width || !strands || !length || !turns || !readOptional(fields[7], test.torque) ||
        !readOptional(fields[8], test.weight))
        return std::nullopt;
    test.type = *type;
    test.width = *width;
    test.strands = *strands;
    test.length = *length;
    test.turns = *turns;
    test.batch = std::move(fields[0]);
    test.note = std::move(fields[9]);
    if (!isLoggable(test))
        return std::nullopt;
    return test;
}

std::size_t BatchLogReader::take(std::string_view text, bool end) {
    const std::size_t size = text.size();
    while (!text.empty() && !tooMany_) {
        // A record that is no test is kept whole, its line breaks in quotes included; one with
        // a quote that never closes is the one line it starts on (readCsvRecord).
        CsvRecord record = readCsvRecord(text, end);
        if (record.length == 0)
            break; // the rest of it is still to come
        std::optional<BreakTest> test =
            record.fields ? readBreakTestFields(*record.fields) : std::nullopt;
        text.remove_prefix(record.length);
        if (record.raw.empty())
            continue;
        if (first_ && record.fields && isHeader(*record.fields)) {
            first_ = false;
            continue;
        }
        first_ = false;
        tooMany_ = entries_.size() == kMaxBatchLogEntries;
        if (!tooMany_) {
            entries_.push_back(test ? BatchLogEntry(std::move(*test))
                                    : BatchLogEntry::unreadableRecord(record.raw));
            entries_.back().setRecordHash(recordHashOf(record.raw));
        }
    }
    return tooMany_ ? size : size - text.size();
}

std::optional<BatchLog> parseBatchLog(std::string_view text) {
    BatchLog entries;
    BatchLogReader reader(entries);
    reader.take(text, true);
    if (reader.tooMany())
        return std::nullopt;
    return entries;
}

std::uint64_t recordHashOf(std::string_view record) {
    return std::hash<std::string_view>{}(record);
}

PieceSource batchLogPieces(const BatchLog& entries, EntryChange change, double thickness,
                           std::vector<std::uint64_t>* hashes) {
    constexpr std::size_t kPieceBytes = std::size_t{64} * 1024;
    if (hashes != nullptr)
        hashes->clear();
    return [&entries, change, thickness, hashes, next = std::size_t{0}, header = true,
            piece = std::string()]() mutable -> std::string_view {
        piece.clear();
        if (std::exchange(header, false))
            piece = batchLogHeader() + '\n';
        for (; next < entries.size() && piece.size() < kPieceBytes; ++next) {
            if (next != change.at)
                appendEntry(piece, entries[next], thickness, hashes);
            else if (change.put != nullptr)
                appendEntry(piece, *change.put, thickness, hashes);
        }
        if (next == entries.size() && change.at == entries.size() && change.put != nullptr)
            appendEntry(piece, *std::exchange(change.put, nullptr), thickness, hashes);
        return piece;
    };
}

std::string formatBatchLog(const BatchLog& entries, double thickness) {
    std::string text;
    const PieceSource next = batchLogPieces(entries, {entries.size(), nullptr}, thickness);
    for (std::string_view piece = next(); !piece.empty(); piece = next())
        text += piece;
    return text;
}

} // namespace kestrune
