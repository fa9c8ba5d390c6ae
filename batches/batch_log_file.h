// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// kes-batches.csv beside kes.cfg: every break test the modeller logged, read whole and written
// at once on every change, so that the log always equals its file. Another copy of Kestrune or
// a spreadsheet may change the file meanwhile: a change is made to the log as it is on disk.

#include "batch_log_format.h"
#include "core/stored_file.h"
#include "logged_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrune {

inline constexpr std::string_view kBatchLogFileName = "kes-batches.csv";

// Replaces entries with the log of the file. A file that is not there gives an empty log; one
// that cannot be read, is larger than kMaxBatchLogBytes or holds too many records gives an
// empty log and a failed result with the reason.
FileResult loadBatchLog(BatchLog& entries, StoredFile& file);

RecordName recordName(const BatchLog& entries, std::size_t index);

// A change to the log: the record it takes out (a Delete) or puts the test in place of (a
// Change), and the test it adds after the last record (an Add) or puts in that place.
struct BatchLogChange {
    std::optional<RecordName> record;
    std::optional<BreakTest> test;
};

struct BatchLogChanged {
    FileResult result;
    // The file had changed since the entries were read or written, so it was read again first:
    // the entries are now the file's as it was found (none when it could not be read), whatever
    // came of the change.
    bool reread = false;
    std::size_t index = 0; // of the entry added, taken out or changed, when done
};

// Makes the change to the log as it is on disk and writes the whole new log at once; only when
// that succeeds do the entries change, so they always equal the file. Nothing is written when the
// test is not loggable, the record named is not in the log (any more), the file cannot be read
// again or the new log would be more than its reader takes.
BatchLogChanged changeBatchLog(BatchLog& entries, const BatchLogChange& change, StoredFile& file,
                               double thickness);

// An Add, and a Delete of the entry at index, as changeBatchLog makes them.
FileResult addBreakTest(BatchLog& entries, const BreakTest& test, StoredFile& file,
                        double thickness);
FileResult deleteBatchLogEntry(BatchLog& entries, std::size_t index, StoredFile& file,
                               double thickness);

} // namespace kestrune
