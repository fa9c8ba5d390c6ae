// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// kes-batches.csv: every break test the modeller logged, one record each after a header line,
// in the comma-separated form spreadsheets open. Lengths are kept in inches and numbers with a
// point, whatever the desktop's language. A record this version cannot read is kept as it was.

#include "core/calc_state.h"
#include "core/file_io.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

inline constexpr std::string_view kBatchLogFileName = "kes-batches.csv";

// Larger files are refused, as list files are.
inline constexpr std::size_t kMaxBatchLogBytes = std::size_t{64} << 20;
// A log with more records than this is no log a modeller wrote: refused rather than held in
// memory many times its size (a file of short garbage lines would otherwise make millions).
inline constexpr std::size_t kMaxBatchLogEntries = 1'000'000;

inline constexpr int kLeastTestStrands = 1;
inline constexpr int kMostTestStrands = 99;

// One motor wound to break.
struct BreakTest {
    std::string batch;
    std::string date; // ISO, "2026-03-14"
    int type = TanII;
    int width = 2; // Width list index
    int strands = 2;
    double length = 0;            // inches
    int turns = 0;                // at break
    std::optional<double> torque; // oz-in at break
    std::optional<double> weight; // grams
    std::string note;

    friend bool operator==(const BreakTest&, const BreakTest&) = default;
};

// The list texts of a type and of a width index, as the log writes them ("Tan II", "1/8");
// empty outside the lists.
std::string_view typeListText(int type);
std::string_view widthListText(int width);

// What a readable record must hold: a date that exists, a type and width of the lists, 1 to 99
// strands, a finite length above 0, at least one turn, and a torque and weight, where given,
// finite and above 0. Batch and note may hold any bytes, less than a log file may hold.
bool isLoggable(const BreakTest& test);

// A test as the log keeps it in memory: its numbers packed beside one string holding its batch
// and note, so that a long log takes little more than its file. Or a record that could not be
// read, kept byte for byte (without its line end).
class BatchLogEntry {
public:
    // The test must be loggable.
    explicit BatchLogEntry(const BreakTest& test);
    static BatchLogEntry unreadableLine(std::string_view line);

    bool isTest() const { return type_ >= 0; }
    // The test, made again from what is kept; nothing for an unreadable record.
    std::optional<BreakTest> test() const;
    // The record as it was read; empty for a test.
    std::string_view unreadable() const { return isTest() ? std::string_view() : text_; }
    // A test's batch, without making the whole test.
    std::string_view batch() const { return std::string_view(text_).substr(0, batchBytes_); }

    friend bool operator==(const BatchLogEntry&, const BatchLogEntry&) = default;

private:
    BatchLogEntry() = default;

    std::string text_; // a test's batch, then its note; an unreadable record's bytes
    double length_ = 0;
    double torque_ = 0; // 0: none given (a logged torque is above 0)
    double weight_ = 0; // 0: none given
    std::int32_t turns_ = 0;
    std::uint32_t batchBytes_ = 0;
    std::uint32_t date_ = 0; // year * 10000 + month * 100 + day
    std::int8_t type_ = -1;  // -1: an unreadable record
    std::uint8_t width_ = 0;
    std::uint8_t strands_ = 0;
};

// The entries of a log in the order of its file. Entries stay where they are as the log grows,
// so that adding to a long log never holds it twice.
using BatchLog = std::deque<BatchLogEntry>;

// The header line, and the record of a test: the ten fields, then its turns constant, torque
// constant and density (with the strip thickness in inches) for spreadsheet users; those three
// are recomputed whenever the log is read.
std::string batchLogHeader();
std::string formatBreakTestRecord(const BreakTest& test, double thickness);
void appendBreakTestRecord(std::string& out, const BreakTest& test, double thickness);

// The test that a record's fields give (ten fields, or thirteen with the derived ones), when
// it is loggable.
std::optional<BreakTest> readBreakTestFields(const std::vector<std::string>& fields);

// The entries of a log's text; empty lines are skipped and a first record that is the header
// line is not an entry. Nothing when the text holds more than kMaxBatchLogEntries records.
std::optional<BatchLog> parseBatchLog(std::string_view text);

// The header line, then every entry on a line of its own ending in LF.
std::string formatBatchLog(const BatchLog& entries, double thickness);

// kes-batches.csv of the folder the program started in.
std::filesystem::path batchLogFilePath();

// Replaces entries with the log of the file. A file that is not there gives an empty log; one
// that cannot be read, is larger than kMaxBatchLogBytes or holds too many records gives an
// empty log and a failed result with the reason.
ReadResult loadBatchLog(BatchLog& entries, const std::filesystem::path& file);

// Adding or deleting writes the whole new log at once. Only when that succeeds do the entries
// change, so they always equal the file. A test that is not loggable, or an index past the end,
// is refused without writing.
WriteResult addBreakTest(BatchLog& entries, const BreakTest& test,
                         const std::filesystem::path& file, double thickness);
WriteResult deleteBatchLogEntry(BatchLog& entries, std::size_t index,
                                const std::filesystem::path& file, double thickness);

} // namespace kestrune
