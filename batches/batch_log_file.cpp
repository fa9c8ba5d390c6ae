// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_log_file.h"

#include <string>
#include <utility>
#include <vector>

namespace kestrune {
namespace {

const std::string kMostLines = "more than " + std::to_string(kMaxBatchLogEntries) + " lines";

} // namespace

FileResult loadBatchLog(BatchLog& entries, StoredFile& file) {
    entries = {};
    // A piece at a time: the file is never held whole beside its entries.
    BatchLogReader reader(entries);
    FileResult result = readLogPieces(file, reader, kMaxBatchLogBytes, kMostLines);
    if (!result.done())
        entries = {};
    return result;
}

RecordName recordName(const BatchLog& entries, std::size_t index) {
    return recordNameIn(entries, index);
}

BatchLogChanged changeBatchLog(BatchLog& entries, const BatchLogChange& change, StoredFile& file,
                               double thickness) {
    BatchLogChanged changed;
    FileResult& result = changed.result;
    if (change.test && !isLoggable(*change.test)) {
        result = FileResult::failure("the test has a value that cannot be logged");
        return changed;
    }
    if (result = readAgainIfChanged(file, changed.reread,
                                    [&entries, &file] { return loadBatchLog(entries, file); });
        result.failed())
        return changed;
    const std::size_t at = change.record ? findRecordIn(entries, *change.record) : entries.size();
    if (at == entries.size() && change.record) {
        result = FileResult::failure(recordGoneReason(changed.reread, "Batch Log"));
        return changed;
    }
    const bool adds = change.test && !change.record;
    if (adds && entries.size() >= kMaxBatchLogEntries) {
        result =
            FileResult::failure("it would hold " + kMostLines + ", more than can be read back");
        return changed;
    }
    const std::optional<BatchLogEntry> put =
        change.test ? std::optional(BatchLogEntry(*change.test)) : std::nullopt;
    std::vector<std::uint64_t> hashes;
    result =
        file.writePieces(batchLogPieces(entries, {at, put ? &*put : nullptr}, thickness, &hashes),
                         kMaxBatchLogBytes);
    if (!result.done())
        return changed;
    if (!put)
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at));
    else if (at == entries.size())
        entries.push_back(*put);
    else
        entries[at] = *put;
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].setRecordHash(hashes[i]);
    changed.index = at;
    return changed;
}

FileResult addBreakTest(BatchLog& entries, const BreakTest& test, StoredFile& file,
                        double thickness) {
    return changeBatchLog(entries, {std::nullopt, test}, file, thickness).result;
}

FileResult deleteBatchLogEntry(BatchLog& entries, std::size_t index, StoredFile& file,
                               double thickness) {
    if (index >= entries.size())
        return FileResult::failure("there is no such test");
    return changeBatchLog(entries, {recordName(entries, index), std::nullopt}, file, thickness)
        .result;
}

} // namespace kestrune
