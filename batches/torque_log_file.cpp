// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "torque_log_file.h"

#include "break_test.h"
#include "core/number_text.h"
#include "csv.h"

#include <array>
#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace kestrune {
namespace {

constexpr std::array<std::string_view, 14> kHeaderFields{
    "Test",       "Batch",        "Date",   "Type", "Width", "Strands", "Length (in)",
    "Weight (g)", "Winder ratio", "Source", "Note", "Phase", "Turns",   "Torque (oz-in)"};
constexpr std::size_t kBatchField = 1;
constexpr std::size_t kNoteField = 10;
constexpr std::size_t kPieceBytes = std::size_t{64} * 1024;

const std::string kMostLines = "more than " + std::to_string(kMaxTorqueLogLines) + " lines";

std::uint64_t lineHash(std::string_view line) {
    return std::hash<std::string_view>{}(line);
}

// A test's hash is that of its lines, in order.
std::uint64_t withLine(std::uint64_t hash, std::string_view line) {
    return (hash ^ lineHash(line)) * 1099511628211ULL;
}

// One line of the log read into the test it belongs to and its reading.
struct TorqueLine {
    long long number = 0;
    TorqueTest test; // without readings
    TorqueReading reading;
};

std::optional<TorqueLine> readTorqueLine(std::vector<std::string>& fields) {
    if (fields.size() != kHeaderFields.size())
        return std::nullopt;
    TorqueLine line;
    TorqueTest& test = line.test;
    const std::optional<int> number = readWholeNumber(fields[0]);
    const std::optional<int> type = typeOfListText(fields[3]);
    const std::optional<int> width = widthOfListText(fields[4]);
    const std::optional<int> strands = readWholeNumber(fields[5]);
    const std::optional<double> length = readCompleteNumber(fields[6]);
    const std::optional<double> ratio = readCompleteNumber(fields[8]);
    const std::optional<TorqueSource> source = torqueSourceOfText(fields[9]);
    const std::optional<double> turns = readCompleteNumber(fields[12]);
    const std::optional<double> torque = readCompleteNumber(fields[13]);
    if (!number || *number < 1 || !type || !width || !strands || !length || !ratio || !source ||
        !turns || !torque || (fields[11] != "wind" && fields[11] != "unwind"))
        return std::nullopt;
    if (!fields[7].empty()) {
        test.weight = readCompleteNumber(fields[7]);
        if (!test.weight)
            return std::nullopt;
    }
    line.number = *number;
    test.date = fields[2];
    test.type = *type;
    test.width = *width;
    test.strands = *strands;
    test.length = *length;
    test.winderRatio = *ratio;
    test.source = *source;
    test.batch = std::move(fields[kBatchField]);
    test.note = std::move(fields[kNoteField]);
    line.reading = {*turns, *torque};
    test.readings.push_back(line.reading);
    if (!isKeepable(test))
        return std::nullopt;
    test.readings.clear();
    return line;
}

bool sameTest(const TorqueTest& a, const TorqueTest& b) {
    return a.batch == b.batch && a.date == b.date && a.type == b.type && a.width == b.width &&
           a.strands == b.strands && a.length == b.length && a.weight == b.weight &&
           a.winderRatio == b.winderRatio && a.source == b.source && a.note == b.note;
}

// Whether a record that runs over several lines is a stray quote's doing: a line break where no
// test has one (outside its batch and note), or a later line that reads as a reading of its own.
bool isStrayQuote(const std::vector<std::string>& fields, std::string_view record) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i != kBatchField && i != kNoteField &&
            fields[i].find_first_of("\r\n") != std::string::npos)
            return true;
    }
    for (std::size_t end = record.find_first_of("\r\n"); end != std::string_view::npos;
         end = record.find_first_of("\r\n", end)) {
        end += record.substr(end, 2) == "\r\n" ? 2 : 1;
        const CsvRecord line = readCsvLine(record.substr(end));
        CsvRecord read = line.raw.empty() ? CsvRecord{} : readCsvRecord(line.raw);
        if (read.fields && readTorqueLine(*read.fields))
            return true;
    }
    return false;
}

class TorqueLogReader {
public:
    explicit TorqueLogReader(TorqueLog& entries) : entries_(entries) {}

    std::size_t take(std::string_view text, bool end) {
        const std::size_t size = text.size();
        while (!text.empty() && !tooMany_) {
            CsvRecord record = readCsvRecord(text, end);
            if (record.length == 0)
                break;
            // A record that is no reading is kept whole, its line breaks in quotes included
            // (as a spreadsheet wrote them); a stray quote's is the one line it starts on.
            std::optional<TorqueLine> line;
            if (record.fields && record.raw.find_first_of("\r\n") != std::string_view::npos &&
                isStrayQuote(*record.fields, record.raw))
                record = readCsvLine(text);
            if (record.fields)
                line = readTorqueLine(*record.fields);
            const bool ofATakenNumber = line && !fitsItsNumber(*line);
            if (ofATakenNumber)
                line.reset(); // a line of another test under a number already taken
            text.remove_prefix(record.length);
            // An empty line after one that leaves a quote open is kept: without it, a rewrite
            // would join the lines around it into a record they never were.
            if (record.raw.empty() && !keepEmpty_)
                continue;
            keepEmpty_ =
                !line && (record.raw.empty() ? keepEmpty_ : csvLeavesQuoteOpen(record.raw));
            if (std::exchange(first_, false) && !line && record.fields &&
                isCsvHeader(*record.fields, kHeaderFields))
                continue;
            tooMany_ = ++lines_ > kMaxTorqueLogLines;
            if (!tooMany_)
                add(record.raw, std::move(line), ofATakenNumber);
        }
        return tooMany_ ? size : size - text.size();
    }
    bool tooMany() const { return tooMany_; }

private:
    bool fitsItsNumber(const TorqueLine& line) const {
        const auto at = tests_.find(line.number);
        return at == tests_.end() || sameTest(entries_[at->second].test(), line.test);
    }

    // A line of another test under a number taken follows no reading: written where it stands
    // among the entries, after that test's first line, it cannot be taken for its first line;
    // and the lines after it follow it there.
    void add(std::string_view raw, std::optional<TorqueLine> line, bool ofATakenNumber) {
        if (!line) {
            if (ofATakenNumber)
                after_.reset();
            entries_.push_back(TorqueLogEntry::unreadableLine(raw, after_));
            entries_.back().setRecordHash(withLine(0, raw));
            return;
        }
        const auto [at, isNew] = tests_.try_emplace(line->number, entries_.size());
        if (isNew)
            entries_.emplace_back(line->number, std::move(line->test));
        TorqueLogEntry& entry = entries_[at->second];
        entry.test().readings.push_back(line->reading);
        entry.setRecordHash(withLine(entry.recordHash(), raw));
        after_ = TorqueLogEntry::After{line->number, entry.test().readings.size() - 1};
    }

    TorqueLog& entries_;
    std::unordered_map<long long, std::size_t> tests_;
    std::optional<TorqueLogEntry::After> after_; // the last reading read
    std::size_t lines_ = 0;
    bool keepEmpty_ = false;
    bool first_ = true;
    bool tooMany_ = false;
};

std::string optionalNumber(std::optional<double> value) {
    return value ? formatShortest(*value) : std::string();
}

struct EntryChange {
    std::size_t at = 0;
    const TorqueLogEntry* put = nullptr;
};

// Writes the entries, the change made: each test's lines together, each unreadable line after
// the reading it was read after while that test is kept, else where it stands among the entries.
class TorqueLogWriter {
public:
    TorqueLogWriter(const TorqueLog& entries, EntryChange change)
        : entries_(entries), change_(change), carried_(entries.size(), false) {
        std::unordered_set<long long> kept;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const TorqueLogEntry& entry = i == change.at && change.put ? *change.put : entries[i];
            if (entry.isTest() && (i != change.at || change.put != nullptr))
                kept.insert(entry.number());
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::optional<TorqueLogEntry::After>& after = entries[i].after();
            if (i != change.at && after && kept.contains(after->test)) {
                following_[after->test].push_back(i);
                carried_[i] = true;
            }
        }
    }

    // The entry at index (what replaces it, for the change's), or the one added after the
    // last; nothing is written for one taken out, or carried by its test. Gives the hash that
    // names it.
    std::optional<std::uint64_t> append(std::string& out, std::size_t index) {
        const TorqueLogEntry* entry = index < entries_.size() ? &entries_[index] : nullptr;
        if (index == change_.at)
            entry = change_.put;
        if (entry == nullptr)
            return std::nullopt;
        if (!entry->isTest()) {
            if (!carried_[index])
                appendLine(out, entry->unreadable());
            return withLine(0, entry->unreadable());
        }
        return appendTest(out, *entry);
    }

    std::size_t lines() const { return lines_; }

private:
    void appendLine(std::string& out, std::string_view line) {
        out += line;
        out += '\n';
        ++lines_;
        if (!line.empty()) // an empty line leaves an open quote open
            quoteOpen_ = csvLeavesQuoteOpen(line);
    }

    std::uint64_t appendTest(std::string& out, const TorqueLogEntry& entry) {
        const TorqueTest& test = entry.test();
        std::string fields = std::to_string(entry.number());
        for (const std::string_view field :
             {std::string_view(test.batch), std::string_view(test.date), typeListText(test.type),
              widthListText(test.width)}) {
            fields += ',';
            appendCsvField(fields, field);
        }
        for (const std::string& field :
             {formatInt(test.strands), formatShortest(test.length), optionalNumber(test.weight),
              formatShortest(test.winderRatio)}) {
            fields += ',';
            fields += field;
        }
        fields += ',';
        appendCsvField(fields, torqueSourceText(test.source));
        fields += ',';
        appendCsvField(fields, test.note);
        const std::size_t windEnd = windingEnd(test.readings);
        const auto found = following_.find(entry.number());
        const std::vector<std::size_t> none;
        const std::vector<std::size_t>& following =
            found != following_.end() ? found->second : none;
        std::size_t next = 0;
        std::uint64_t hash = 0;
        const std::size_t numberSize = std::to_string(entry.number()).size();
        for (std::size_t i = 0; i < test.readings.size(); ++i) {
            const std::size_t start = out.size();
            out += fields;
            // After a line that leaves a quote open, the number in quotes: the stray quote
            // closes at the first of them, as the reader reads it, and the line is a reading.
            if (std::exchange(quoteOpen_, false)) {
                out.insert(start + numberSize, 1, '"');
                out.insert(start, 1, '"');
            }
            out += i <= windEnd && windEnd > 0 ? ",wind," : ",unwind,";
            out += formatShortest(test.readings[i].turns);
            out += ',';
            out += formatShortest(test.readings[i].torque);
            hash = withLine(hash, std::string_view(out).substr(start));
            out += '\n';
            ++lines_;
            // A changed test may have fewer readings: what followed the rest follows its last.
            const bool last = i + 1 == test.readings.size();
            for (; next < following.size() &&
                   (last || entries_[following[next]].after()->reading <= i);
                 ++next)
                appendLine(out, entries_[following[next]].unreadable());
        }
        return hash;
    }

    const TorqueLog& entries_;
    EntryChange change_;
    std::unordered_map<long long, std::vector<std::size_t>> following_;
    std::vector<bool> carried_;
    std::size_t lines_ = 0;
    bool quoteOpen_ = false;
};

PieceSource torqueLogPieces(const TorqueLog& entries, EntryChange change,
                            std::vector<std::uint64_t>& hashes, std::size_t& lines) {
    hashes.clear();
    lines = 0;
    return [&entries, change, &hashes, &lines, writer = TorqueLogWriter(entries, change),
            next = std::size_t{0}, header = true,
            piece = std::string()]() mutable -> std::string_view {
        piece.clear();
        if (std::exchange(header, false))
            piece = torqueLogHeader() + '\n';
        const std::size_t end = entries.size() + (change.at == entries.size() ? 1 : 0);
        for (; next < end && piece.size() < kPieceBytes; ++next) {
            if (const std::optional<std::uint64_t> hash = writer.append(piece, next))
                hashes.push_back(*hash);
        }
        lines = writer.lines();
        return piece;
    };
}

std::size_t linesOf(const TorqueLogEntry& entry) {
    return entry.isTest() ? entry.test().readings.size() : 1;
}

} // namespace

TorqueLogEntry TorqueLogEntry::unreadableLine(std::string_view line, std::optional<After> after) {
    TorqueLogEntry entry;
    entry.unreadable_ = line;
    entry.after_ = after;
    return entry;
}

std::string torqueLogHeader() {
    return csvHeader(kHeaderFields);
}

std::string formatTorqueLog(const TorqueLog& entries) {
    std::vector<std::uint64_t> hashes;
    std::size_t lines = 0;
    const PieceSource next = torqueLogPieces(entries, {entries.size(), nullptr}, hashes, lines);
    std::string text;
    for (std::string_view piece = next(); !piece.empty(); piece = next())
        text += piece;
    return text;
}

std::optional<TorqueLog> parseTorqueLog(std::string_view text) {
    TorqueLog entries;
    TorqueLogReader reader(entries);
    reader.take(text, true);
    if (reader.tooMany())
        return std::nullopt;
    return entries;
}

FileResult loadTorqueLog(TorqueLog& entries, StoredFile& file) {
    entries = {};
    TorqueLogReader reader(entries);
    FileResult result = readLogPieces(file, reader, kMaxBatchLogBytes, kMostLines);
    if (!result.done())
        entries = {};
    return result;
}

RecordName torqueRecordName(const TorqueLog& entries, std::size_t index) {
    return recordNameIn(entries, index);
}

TorqueLogChanged changeTorqueLog(TorqueLog& entries, const TorqueLogChange& change,
                                 StoredFile& file) {
    TorqueLogChanged changed;
    FileResult& result = changed.result;
    if (change.test && !isKeepable(*change.test)) {
        result = FileResult::failure("the test has a value that cannot be kept");
        return changed;
    }
    if (result = readAgainIfChanged(file, changed.reread,
                                    [&entries, &file] { return loadTorqueLog(entries, file); });
        result.failed())
        return changed;
    const std::size_t at = change.record ? findRecordIn(entries, *change.record) : entries.size();
    if (at == entries.size() && change.record) {
        result = FileResult::failure(recordGoneReason(changed.reread, "Torque Test"));
        return changed;
    }
    std::optional<TorqueLogEntry> put;
    if (change.test) {
        long long number = at < entries.size() && entries[at].isTest() ? entries[at].number() : 0;
        if (number == 0) {
            for (const TorqueLogEntry& entry : entries)
                number = std::max(number, entry.number());
            ++number;
        }
        put.emplace(number, *change.test);
    }
    std::size_t lines = 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
        lines += i == at ? 0 : linesOf(entries[i]);
    if (put && lines + linesOf(*put) > kMaxTorqueLogLines) {
        result =
            FileResult::failure("it would hold " + kMostLines + ", more than can be read back");
        return changed;
    }
    std::vector<std::uint64_t> hashes;
    result = file.writePieces(torqueLogPieces(entries, {at, put ? &*put : nullptr}, hashes, lines),
                              kMaxBatchLogBytes);
    if (!result.done())
        return changed;
    if (!put) {
        // The lines that followed its readings now stand where they are among the entries, and
        // follow no test that takes its number later.
        if (entries[at].isTest()) {
            for (TorqueLogEntry& entry : entries) {
                if (entry.after() && entry.after()->test == entries[at].number())
                    entry.forgetAfter();
            }
        }
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at));
    } else if (at == entries.size())
        entries.push_back(std::move(*put));
    else
        entries[at] = std::move(*put);
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].setRecordHash(hashes[i]);
    changed.index = at;
    return changed;
}

} // namespace kestrune
