// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "torque_log_file.h"

#include "break_test.h"
#include "core/number_text.h"
#include "csv.h"

#include <array>
#include <functional>
#include <limits>
#include <memory>
#include <queue>
#include <unordered_map>
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
                csvSpansAStrayQuote(*record.fields, record.raw, {kBatchField, kNoteField},
                                    [](std::vector<std::string>& fields) {
                                        return readTorqueLine(fields).has_value();
                                    }))
                record = readCsvLine(text);
            if (record.fields)
                line = readTorqueLine(*record.fields);
            if (line && !fitsItsNumber(*line))
                line.reset(); // a line of another test under a number already taken
            text.remove_prefix(record.length);
            // An empty line inside a stray quote is kept: without it, a rewrite would make the
            // lines around it another record than they were.
            if (record.raw.empty() && !openQuotes_.open())
                continue;
            if (line)
                openQuotes_.reset();
            else
                openQuotes_.take(record.raw);
            if (std::exchange(first_, false) && !line && record.fields &&
                isCsvHeader(*record.fields, kHeaderFields))
                continue;
            tooMany_ = ++lines_ > kMaxTorqueLogLines;
            if (!tooMany_)
                add(record.raw, std::move(line));
        }
        return tooMany_ ? size : size - text.size();
    }
    bool tooMany() const { return tooMany_; }

private:
    bool fitsItsNumber(const TorqueLine& line) const {
        const auto at = tests_.find(line.number);
        return at == tests_.end() || sameTest(entries_[at->second].test(), line.test);
    }

    void add(std::string_view raw, std::optional<TorqueLine> line) {
        const auto place = static_cast<std::uint32_t>(lines_);
        if (!line) {
            entries_.push_back(TorqueLogEntry::unreadableLine(raw));
            entries_.back().setRecordHash(withLine(0, raw));
            entries_.back().addPlace(place);
            return;
        }
        const auto [at, isNew] = tests_.try_emplace(line->number, entries_.size());
        if (isNew)
            entries_.emplace_back(line->number, std::move(line->test));
        TorqueLogEntry& entry = entries_[at->second];
        entry.test().readings.push_back(line->reading);
        entry.setRecordHash(withLine(entry.recordHash(), raw));
        entry.addPlace(place);
    }

    TorqueLog& entries_;
    std::unordered_map<long long, std::size_t> tests_;
    std::size_t lines_ = 0;
    CsvOpenQuotes openQuotes_; // over the lines read since the last reading
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

// Writes the entries, the change made, every line where it stood when read: a test's readings
// in their places among the other lines, a test changed or added whole, at its first line's
// place or at the end; an entry without places whole where it stands among the entries. Gives
// each entry's hash, by its index (entries.size() for one added).
class TorqueLogWriter {
public:
    TorqueLogWriter(const TorqueLog& entries, EntryChange change)
        : entries_(entries), change_(change), end_(entries.size() + (change.at == entries.size())),
          next_(end_, 0), hashes_(end_, 0) {}

    // Appends lines until out holds about `bytes`; false when every line is written.
    bool append(std::string& out, std::size_t bytes) {
        while (out.size() < bytes) {
            if (start_ < end_ && (waiting_.empty() || startPlace(start_) < waiting_.top().place)) {
                startEntry(out, start_++);
            } else if (!waiting_.empty()) {
                const Waiting line = waiting_.top();
                waiting_.pop();
                appendReading(out, line.index);
            } else {
                return false;
            }
        }
        return true;
    }

    const std::vector<std::uint64_t>& hashes() const { return hashes_; }
    std::size_t lines() const { return lines_; }

private:
    struct Waiting {
        std::uint32_t place;
        std::size_t index;
        bool operator>(const Waiting& other) const { return place > other.place; }
    };

    const TorqueLogEntry* entryAt(std::size_t index) const {
        if (index == change_.at)
            return change_.put;
        return &entries_[index];
    }

    // A changed test takes the places of the test it replaces: each reading its own while there
    // are as many, else its first line's.
    const std::vector<std::uint32_t>& placesOf(std::size_t index) const {
        static const std::vector<std::uint32_t> none;
        return index < entries_.size() ? entries_[index].places() : none;
    }

    // One added, or made here, stands where the entry before it started.
    std::uint32_t startPlace(std::size_t index) {
        const TorqueLogEntry* placed = index < entries_.size() ? &entries_[index] : nullptr;
        if (index == entries_.size())
            return std::numeric_limits<std::uint32_t>::max(); // after every line
        if (!placed->places().empty())
            lastStart_ = placed->places().front();
        return lastStart_;
    }

    void startEntry(std::string& out, std::size_t index) {
        const TorqueLogEntry* entry = entryAt(index);
        if (entry == nullptr)
            return; // taken out
        if (!entry->isTest()) {
            appendLine(out, entry->unreadable());
            hashes_[index] = withLine(0, entry->unreadable());
            return;
        }
        const std::vector<TorqueReading>& readings = entry->test().readings;
        if (readings.empty())
            return;
        fields_[index] = fieldsOf(*entry);
        windEnds_[index] = windingEnd(readings);
        const std::vector<std::uint32_t>& places = placesOf(index);
        const bool inPlaces = places.size() == readings.size();
        do
            appendReading(out, index);
        while (!inPlaces && next_[index] < readings.size());
    }

    void appendReading(std::string& out, std::size_t index) {
        const TorqueLogEntry& entry = *entryAt(index);
        const std::vector<TorqueReading>& readings = entry.test().readings;
        const std::size_t i = next_[index]++;
        const std::string& fields = fields_[index];
        const std::size_t windEnd = windEnds_[index];
        const std::size_t start = out.size();
        // After a line that leaves a quote open, the number in quotes: the stray quote closes at
        // the first of them, as the reader reads it, and the line is a reading.
        if (openQuotes_.open()) {
            const std::size_t numberEnd = fields.find(',');
            out += '"';
            out.append(fields, 0, numberEnd);
            out += '"';
            out.append(fields, numberEnd);
        } else {
            out += fields;
        }
        out += i <= windEnd && windEnd > 0 ? ",wind," : ",unwind,";
        out += formatShortest(readings[i].turns);
        out += ',';
        out += formatShortest(readings[i].torque);
        hashes_[index] = withLine(hashes_[index], std::string_view(out).substr(start));
        out += '\n';
        ++lines_;
        openQuotes_.reset();
        if (next_[index] == readings.size()) {
            fields_.erase(index);
            windEnds_.erase(index);
        } else if (next_[index] < placesOf(index).size()) {
            waiting_.push({placesOf(index)[next_[index]], index});
        }
    }

    void appendLine(std::string& out, std::string_view line) {
        out += line;
        out += '\n';
        ++lines_;
        openQuotes_.take(line);
    }

    static std::string fieldsOf(const TorqueLogEntry& entry) {
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
        return fields;
    }

    const TorqueLog& entries_;
    EntryChange change_;
    std::size_t end_;
    std::size_t start_ = 0;
    std::uint32_t lastStart_ = 0;
    std::vector<std::size_t> next_; // the next reading of each test to write
    std::vector<std::uint64_t> hashes_;
    // The tests begun and not ended: their fields, their last winding reading, and the place of
    // the next reading of each.
    std::unordered_map<std::size_t, std::string> fields_;
    std::unordered_map<std::size_t, std::size_t> windEnds_;
    std::priority_queue<Waiting, std::vector<Waiting>, std::greater<>> waiting_;
    std::size_t lines_ = 0;
    CsvOpenQuotes openQuotes_; // over the lines written since the last reading
};

PieceSource torqueLogPieces(const TorqueLog& entries, EntryChange change,
                            std::shared_ptr<TorqueLogWriter>& writer) {
    writer = std::make_shared<TorqueLogWriter>(entries, change);
    return
        [writer, more = true, header = true, piece = std::string()]() mutable -> std::string_view {
            piece.clear();
            if (std::exchange(header, false))
                piece = torqueLogHeader() + '\n';
            if (more)
                more = writer->append(piece, kPieceBytes);
            return piece;
        };
}

std::size_t linesOf(const TorqueLogEntry& entry) {
    return entry.isTest() ? entry.test().readings.size() : 1;
}

} // namespace

TorqueLogEntry TorqueLogEntry::unreadableLine(std::string_view line) {
    TorqueLogEntry entry;
    entry.unreadable_ = line;
    return entry;
}

std::string torqueLogHeader() {
    return csvHeader(kHeaderFields);
}

std::string formatTorqueLog(const TorqueLog& entries) {
    std::shared_ptr<TorqueLogWriter> writer;
    const PieceSource next = torqueLogPieces(entries, {entries.size(), nullptr}, writer);
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
    std::shared_ptr<TorqueLogWriter> writer;
    result = file.writePieces(torqueLogPieces(entries, {at, put ? &*put : nullptr}, writer),
                              kMaxBatchLogBytes);
    if (!result.done())
        return changed;
    std::vector<std::uint64_t> hashes = writer->hashes();
    if (!put) {
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at));
        hashes.erase(hashes.begin() + static_cast<std::ptrdiff_t>(at));
    } else {
        // In the places of the test it replaced, whole at the first of them, or after every line.
        if (at < entries.size() && entries[at].places().size() == put->test().readings.size()) {
            put->setPlaces(entries[at].places());
        } else if (at < entries.size() && !entries[at].places().empty()) {
            put->setPlaces({entries[at].places().front()});
        } else if (at == entries.size()) {
            std::uint32_t last = 0;
            for (const TorqueLogEntry& entry : entries)
                last = entry.places().empty() ? last : std::max(last, entry.places().back());
            put->setPlaces({last + 1});
        }
        if (at == entries.size())
            entries.push_back(std::move(*put));
        else
            entries[at] = std::move(*put);
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].setRecordHash(hashes[i]);
    changed.index = at;
    return changed;
}

} // namespace kestrune
