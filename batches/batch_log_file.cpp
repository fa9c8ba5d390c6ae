// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_log_file.h"

#include <string>
#include <utility>

namespace kestrune {

FileResult loadBatchLog(BatchLog& entries, StoredFile& file) {
    entries = {};
    // A piece at a time: the file is never held whole beside its entries.
    BatchLogReader reader(entries);
    FileResult result =
        file.readPieces(kMaxBatchLogBytes, [&reader](std::string_view text, bool end) {
            return reader.take(text, end);
        });
    if (result.done() && reader.tooMany())
        result = FileResult::failure("it holds more than " + std::to_string(kMaxBatchLogEntries) +
                                     " lines");
    if (!result.done())
        entries = {};
    return result;
}

FileResult addBreakTest(BatchLog& entries, const BreakTest& test, StoredFile& file,
                        double thickness) {
    if (!isLoggable(test))
        return FileResult::failure("the test has a value that cannot be logged");
    BatchLogEntry entry(test);
    FileResult result =
        file.writePieces(batchLogPieces(entries, entries.size(), &entry, thickness));
    if (result.done())
        entries.push_back(std::move(entry));
    return result;
}

FileResult deleteBatchLogEntry(BatchLog& entries, std::size_t index, StoredFile& file,
                               double thickness) {
    if (index >= entries.size())
        return FileResult::failure("there is no such test");
    FileResult result = file.writePieces(batchLogPieces(entries, index, nullptr, thickness));
    if (result.done())
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    return result;
}

} // namespace kestrune
