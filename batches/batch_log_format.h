// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The text of kes-batches.csv: a header line, then one record of a test a line, in the
// comma-separated form spreadsheets open. Lengths are kept in inches and numbers with a point,
// whatever the desktop's language. A record this version cannot read is kept as it was.

#include "batch_log_entry.h"
#include "core/stored_file.h"

#include <cstddef>
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
// it is loggable.
std::optional<BreakTest> readBreakTestFields(const std::vector<std::string>& fields);

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

// The header line, then every entry on a line of its own ending in LF.
std::string formatBatchLog(const BatchLog& entries, double thickness);

// The same text a piece of about 64 KiB at a time, so that a long log is never held whole
// twice: the header, the entries but the one at skip (none when skip is past the end), and extra
// after them when there is one. The entries and extra must outlive the source.
PieceSource batchLogPieces(const BatchLog& entries, std::size_t skip, const BatchLogEntry* extra,
                           double thickness);

} // namespace kestrune
