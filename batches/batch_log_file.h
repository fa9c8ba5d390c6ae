// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// kes-batches.csv beside kes.cfg: every break test the modeller logged, read whole and written
// at once on every change, so that the log always equals its file.

#include "batch_log_format.h"
#include "core/stored_file.h"

#include <cstddef>
#include <string_view>

namespace kestrune {

inline constexpr std::string_view kBatchLogFileName = "kes-batches.csv";

// Replaces entries with the log of the file. A file that is not there gives an empty log; one
// that cannot be read, is larger than kMaxBatchLogBytes or holds too many records gives an
// empty log and a failed result with the reason.
FileResult loadBatchLog(BatchLog& entries, StoredFile& file);

// Adding or deleting writes the whole new log at once. Only when that succeeds do the entries
// change, so they always equal the file. A test that is not loggable, or an index past the end,
// is refused without writing.
FileResult addBreakTest(BatchLog& entries, const BreakTest& test, StoredFile& file,
                        double thickness);
FileResult deleteBatchLogEntry(BatchLog& entries, std::size_t index, StoredFile& file,
                               double thickness);

} // namespace kestrune
