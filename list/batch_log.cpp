// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_log.h"

#include "batch_summary.h"
#include "core/iso_date.h"
#include "core/number_text.h"
#include "core/start_directory.h"
#include "core/units.h"
#include "csv.h"

#include <algorithm>
#include <array>
#include <cmath>
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

template <class Table>
std::optional<int> indexOfListText(const Table& table, std::string_view text) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].listText == text)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

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

void appendEntry(std::string& out, const BatchLogEntry& entry, double thickness) {
    if (const std::optional<BreakTest> test = entry.test())
        appendBreakTestRecord(out, *test, thickness);
    else
        out += entry.unreadable();
    out += '\n';
}

// The log's text a piece of about 64 KiB at a time, so that a long log is never held whole
// twice: the header, the entries but the one at skip (none when skip is past the end), and extra
// after them when there is one.
std::function<std::string_view()> logPieces(const BatchLog& entries, std::size_t skip,
                                            const BatchLogEntry* extra, double thickness) {
    constexpr std::size_t kPieceBytes = std::size_t{64} * 1024;
    return [&entries, skip, extra, thickness, next = std::size_t{0}, header = true,
            piece = std::string()]() mutable -> std::string_view {
        piece.clear();
        if (std::exchange(header, false))
            piece = batchLogHeader() + '\n';
        for (; next < entries.size() && piece.size() < kPieceBytes; ++next) {
            if (next != skip)
                appendEntry(piece, entries[next], thickness);
        }
        if (next == entries.size() && extra != nullptr)
            appendEntry(piece, *std::exchange(extra, nullptr), thickness);
        return piece;
    };
}

// Reads a log's records into entries, as much of the file at a time as the reader has.
class LogReader {
public:
    explicit LogReader(BatchLog& entries) : entries_(entries) {}

    // The bytes of text it read records from: the whole records at its start, or all of it
    // when end. Once there are too many records it takes everything and reads no more.
    std::size_t take(std::string_view text, bool end);
    bool tooMany() const { return tooMany_; }

private:
    BatchLog& entries_;
    bool first_ = true;
    bool tooMany_ = false;
};

std::size_t LogReader::take(std::string_view text, bool end) {
    const std::size_t size = text.size();
    while (!text.empty() && !tooMany_) {
        CsvRecord record = readCsvRecord(text, end);
        if (record.length == 0)
            break; // the rest of it is still to come
        std::optional<BreakTest> test =
            record.fields ? readBreakTestFields(*record.fields) : std::nullopt;
        // Only a test spans lines (a note with line breaks): anything else that does is an
        // opening quote gone astray, and the lines after it stay lines of their own.
        if (!test && record.raw.find('\n') != std::string_view::npos)
            record = readCsvLine(text);
        text.remove_prefix(record.length);
        if (record.raw.empty())
            continue;
        if (first_ && record.fields && isHeader(*record.fields)) {
            first_ = false;
            continue;
        }
        first_ = false;
        tooMany_ = entries_.size() == kMaxBatchLogEntries;
        if (!tooMany_)
            entries_.push_back(test ? BatchLogEntry(*test)
                                    : BatchLogEntry::unreadableLine(record.raw));
    }
    return tooMany_ ? size : size - text.size();
}

template <class Table> std::string_view listTextAt(const Table& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        return {};
    return table[static_cast<std::size_t>(index)].listText;
}

} // namespace

std::string_view typeListText(int type) {
    return listTextAt(kRubberTypes, type);
}

std::string_view widthListText(int width) {
    return listTextAt(kStripWidths, width);
}

bool isLoggable(const BreakTest& test) {
    // A record longer than a log may be could not be read back.
    return test.batch.size() + test.note.size() < kMaxBatchLogBytes && isIsoDate(test.date) &&
           test.type >= 0 && test.type < kRubberTypeCount &&
           stripWidthInches(test.width).has_value() && test.strands >= kLeastTestStrands &&
           test.strands <= kMostTestStrands && isPositive(test.length) && test.turns >= 1 &&
           (!test.torque || isPositive(*test.torque)) && (!test.weight || isPositive(*test.weight));
}

BatchLogEntry::BatchLogEntry(const BreakTest& test)
    : text_(test.batch + test.note), length_(test.length), torque_(test.torque.value_or(0)),
      weight_(test.weight.value_or(0)), turns_(test.turns),
      batchBytes_(static_cast<std::uint32_t>(test.batch.size())),
      type_(static_cast<std::int8_t>(test.type)), width_(static_cast<std::uint8_t>(test.width)),
      strands_(static_cast<std::uint8_t>(test.strands)) {
    for (const char c : test.date) {
        if (c != '-')
            date_ = date_ * 10 + static_cast<std::uint32_t>(c - '0');
    }
}

BatchLogEntry BatchLogEntry::unreadableLine(std::string_view line) {
    BatchLogEntry entry;
    entry.text_ = line;
    return entry;
}

std::optional<BreakTest> BatchLogEntry::test() const {
    if (!isTest())
        return std::nullopt;
    const auto optional = [](double value) {
        return value > 0 ? std::optional(value) : std::nullopt;
    };
    const auto date = static_cast<int>(date_);
    return BreakTest{std::string(batch()),
                     formatIsoDate(date / 10000, date / 100 % 100, date % 100),
                     type_,
                     width_,
                     strands_,
                     length_,
                     turns_,
                     optional(torque_),
                     optional(weight_),
                     text_.substr(batchBytes_)};
}

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

std::optional<BreakTest> readBreakTestFields(const std::vector<std::string>& fields) {
    if (fields.size() != kTestFields && fields.size() != kHeaderFields.size())
        return std::nullopt;
    BreakTest test;
    test.batch = fields[0];
    test.date = fields[1];
    const std::optional<int> type = indexOfListText(kRubberTypes, fields[2]);
    const std::optional<int> width = indexOfListText(kStripWidths, fields[3]);
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
    test.note = fields[9];
    if (!isLoggable(test))
        return std::nullopt;
    return test;
}

std::optional<BatchLog> parseBatchLog(std::string_view text) {
    BatchLog entries;
    LogReader reader(entries);
    reader.take(text, true);
    if (reader.tooMany())
        return std::nullopt;
    return entries;
}

std::string formatBatchLog(const BatchLog& entries, double thickness) {
    std::string text;
    const auto next = logPieces(entries, entries.size(), nullptr, thickness);
    for (std::string_view piece = next(); !piece.empty(); piece = next())
        text += piece;
    return text;
}

std::filesystem::path batchLogFilePath() {
    return startDirectory() / kBatchLogFileName;
}

ReadResult loadBatchLog(BatchLog& entries, const std::filesystem::path& file) {
    entries = {};
    // A piece at a time: the file is never held whole beside its entries.
    LogReader reader(entries);
    ReadResult result =
        readRegularFilePieces(file, kMaxBatchLogBytes, [&reader](std::string_view text, bool end) {
            return reader.take(text, end);
        });
    if (result.read() && reader.tooMany()) {
        result.status = ReadResult::Status::Failed;
        result.reason = "it holds more than " + std::to_string(kMaxBatchLogEntries) + " lines";
    }
    if (!result.read())
        entries = {};
    return result;
}

WriteResult addBreakTest(BatchLog& entries, const BreakTest& test,
                         const std::filesystem::path& file, double thickness) {
    if (!isLoggable(test))
        return WriteResult::failure("the test has a value that cannot be logged");
    BatchLogEntry entry(test);
    WriteResult result =
        writeFileAtomically(file, logPieces(entries, entries.size(), &entry, thickness));
    if (result.ok)
        entries.push_back(std::move(entry));
    return result;
}

WriteResult deleteBatchLogEntry(BatchLog& entries, std::size_t index,
                                const std::filesystem::path& file, double thickness) {
    if (index >= entries.size())
        return WriteResult::failure("there is no such test");
    WriteResult result = writeFileAtomically(file, logPieces(entries, index, nullptr, thickness));
    if (result.ok)
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    return result;
}

} // namespace kestrune
