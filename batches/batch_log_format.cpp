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

// Writes entries one after the other. After records that leave a stray quote open, a test is
// written with a quote before its first plain character, so that the stray quote closes there, not
// far down the log: as before, the record is the line it starts on.
class EntryWriter {
public:
    EntryWriter(double thickness, std::vector<std::uint64_t>* hashes)
        : thickness_(thickness), hashes_(hashes) {}

    void append(std::string& out, const BatchLogEntry& entry) {
        const std::size_t start = out.size();
        if (const std::optional<BreakTest> test = entry.test()) {
            appendBreakTestRecord(out, *test, thickness_);
            if (openQuotes_.open())
                closeStrayQuote(out, start, *test);
            openQuotes_.reset();
        } else {
            out += entry.unreadable();
            openQuotes_.take(entry.unreadable());
        }
        if (hashes_ != nullptr)
            hashes_->push_back(recordHashOf(std::string_view(out).substr(start)));
        out += '\n';
    }

private:
    static void closeStrayQuote(std::string& out, std::size_t start, const BreakTest& test) {
        if (out[start] == '"')
            return; // its batch is quoted already
        // The batch, or the date after an empty one, holds none of the characters quoting is for.
        const std::size_t field = start + (test.batch.empty() ? 1 : 0);
        const std::size_t length = test.batch.empty() ? test.date.size() : test.batch.size();
        out.insert(field + length, 1, '"');
        out.insert(field, 1, '"');
    }

    double thickness_;
    std::vector<std::uint64_t>* hashes_;
    CsvOpenQuotes openQuotes_; // over the records written since the last test
};

} // namespace

std::string batchLogHeader() {
    return csvHeader(kHeaderFields);
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
        // a quote that never closes is the one line it starts on (readCsvRecord), and so is a
        // stray quote's: a line break outside the batch and the note, or a test in its lines.
        CsvRecord record = readCsvRecord(text, end);
        if (record.length == 0)
            break; // the rest of it is still to come
        if (record.fields && record.raw.find_first_of("\r\n") != std::string_view::npos &&
            csvSpansAStrayQuote(*record.fields, record.raw, {0, kTestFields - 1},
                                [](std::vector<std::string>& fields) {
                                    return readBreakTestFields(fields).has_value();
                                }))
            record = readCsvLine(text);
        std::optional<BreakTest> test =
            record.fields ? readBreakTestFields(*record.fields) : std::nullopt;
        text.remove_prefix(record.length);
        if (record.raw.empty())
            continue;
        if (first_ && record.fields && isCsvHeader(*record.fields, kHeaderFields)) {
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
    return [&entries, change, writer = EntryWriter(thickness, hashes), next = std::size_t{0},
            header = true, piece = std::string()]() mutable -> std::string_view {
        piece.clear();
        if (std::exchange(header, false))
            piece = batchLogHeader() + '\n';
        for (; next < entries.size() && piece.size() < kPieceBytes; ++next) {
            if (next != change.at)
                writer.append(piece, entries[next]);
            else if (change.put != nullptr)
                writer.append(piece, *change.put);
        }
        if (next == entries.size() && change.at == entries.size() && change.put != nullptr)
            writer.append(piece, *std::exchange(change.put, nullptr));
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
