// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// kes-torque.csv beside kes.cfg: every torque test kept, one reading a line (the test's fields
// repeated on each, so that a spreadsheet opens it as one table), read whole and written at once
// on every change. A change made while another program changed the file is made to the file as
// it is on disk.

#include "core/stored_file.h"
#include "logged_file.h"
#include "torque_test.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrune {

inline constexpr std::string_view kTorqueLogFileName = "kes-torque.csv";

// A kept test with its number in the file, or a record that could not be read, byte for byte
// (without its line end).
class TorqueLogEntry {
public:
    TorqueLogEntry(long long number, TorqueTest test) : number_(number), test_(std::move(test)) {}
    static TorqueLogEntry unreadableLine(std::string_view line);

    bool isTest() const { return number_ > 0; }
    long long number() const { return number_; }
    const TorqueTest& test() const { return test_; }
    TorqueTest& test() { return test_; }
    std::string_view unreadable() const { return unreadable_; }

    // Where its lines stand in the file, in order (a test's readings may lie among other lines),
    // so that a rewrite puts every line where it was: moved next to other lines, an unreadable
    // one could be read as part of a record with them. A test written whole has one place for
    // all its lines; an entry made here has none and is written whole where it stands.
    const std::vector<std::uint32_t>& places() const { return places_; }
    void setPlaces(std::vector<std::uint32_t> places) { places_ = std::move(places); }
    void addPlace(std::uint32_t place) { places_.push_back(place); }

    // The hash of the lines this entry was last read from or written as (0 for none yet).
    std::uint64_t recordHash() const { return recordHash_; }
    void setRecordHash(std::uint64_t hash) { recordHash_ = hash; }

private:
    TorqueLogEntry() = default;
    long long number_ = 0; // 0: an unreadable line
    TorqueTest test_;
    std::string unreadable_;
    std::vector<std::uint32_t> places_;
    std::uint64_t recordHash_ = 0;
};

using TorqueLog = std::deque<TorqueLogEntry>;

// More lines than this are no log a modeller kept.
inline constexpr std::size_t kMaxTorqueLogLines = 1'000'000;

std::string torqueLogHeader();
// The text of a log: the header line, then each entry's lines, each ending in LF.
std::string formatTorqueLog(const TorqueLog& entries);
// The entries of a log's text; nothing when it holds more than kMaxTorqueLogLines lines.
std::optional<TorqueLog> parseTorqueLog(std::string_view text);

// Replaces entries with the file's. A missing file gives none; one that cannot be read or is
// too large gives none and a failed result with the reason.
FileResult loadTorqueLog(TorqueLog& entries, StoredFile& file);

// A change: the entry it takes out or replaces (named by its lines as last read or written),
// and the test it puts there or adds at the end with the next free number.
struct TorqueLogChange {
    std::optional<RecordName> record;
    std::optional<TorqueTest> test;
};
struct TorqueLogChanged {
    FileResult result;
    bool reread = false;   // the file had changed on disk, and entries are now its own
    std::size_t index = 0; // of the entry added, taken out or changed, when done
};
TorqueLogChanged changeTorqueLog(TorqueLog& entries, const TorqueLogChange& change,
                                 StoredFile& file);
RecordName torqueRecordName(const TorqueLog& entries, std::size_t index);

} // namespace kestrune
