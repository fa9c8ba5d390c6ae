// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The text of kes-batches.csv: a header line, then one record of a test a line, in the
// comma-separated form spreadsheets open. Lengths are kept in inches and numbers with a point,
// whatever the desktop's language. A record this version cannot read is kept as it was.

#include "batch_log_entry.h"
#include "core/stored_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// A log with more records than this is no log a modeller wrote: refused rather than held in
// memory many times its size (a file of short garbage lines would otherwise make millions).
inline constexpr std::size_t kMaxBatchLogEntries = 1'000'000;

// The header line, and the record of a test: the ten fields, then its turns constant, torque
// constant and density (with the strip thickness in inches) for spreadsheet users; those three
// are recomputed whenever the log is read.
std::string batchLogHeader();
std::string formatBreakTestRecord(const BreakTest& test, double thickness);
void appendBreakTestRecord(std::string& out, const BreakTest& test, double thickness);

// The test that a record's fields give (ten fields, or thirteen with the derived ones), when
// it is loggable. Its batch and note are moved out of the fields.
std::optional<BreakTest> readBreakTestFields(std::vector<std::string>& fields);

// Reads a log's records into entries, as much of its text at a time as there is: empty lines
// are skipped and a first record that is the header line is not an entry.
class BatchLogReader {
public:
    explicit BatchLogReader(BatchLog& entries) : entries_(entries) {}

    // The bytes of text it read records from: the whole records at its start, or all of it
    // when end. Once there are more than kMaxBatchLogEntries records it takes everything and
    // reads no more.
    std::size_t take(std::string_view text, bool end);
    bool tooMany() const { return tooMany_; }

private:
    BatchLog& entries_;
    bool first_ = true;
    bool tooMany_ = false;
};

// The entries of a log's text; nothing when it holds more than kMaxBatchLogEntries records.
std::optional<BatchLog> parseBatchLog(std::string_view text);

// The hash that names a record by its bytes, without its line end (BatchLogEntry::recordHash).
std::uint64_t recordHashOf(std::string_view record);

// The header line, then every entry on a line of its own ending in LF.
std::string formatBatchLog(const BatchLog& entries, double thickness);

// A change to the entries as they are written: the entry at `at` left out, or put in its place,
// or put after the last entry when at is entries.size().
struct EntryChange {
    std::size_t at = 0;
    const BatchLogEntry* put = nullptr;
};

// The text of the entries with the change, a piece of about 64 KiB at a time, so that a long log
// is never held whole twice. The hash of each record written goes to hashes, in the order of the
// new log, when given. The entries, the one put and hashes must outlive the source.
PieceSource batchLogPieces(const BatchLog& entries, EntryChange change, double thickness,
                           std::vector<std::uint64_t>* hashes = nullptr);

} // namespace kestrune
