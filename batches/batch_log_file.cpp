// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_log_file.h"

#include <string>
#include <utility>
#include <vector>

namespace kestrune {
namespace {

const std::string kMostLines = "more than " + std::to_string(kMaxBatchLogEntries) + " lines";

// Where the record named is among the entries; entries.size() when it is not there.
std::size_t findRecord(const BatchLog& entries, const RecordName& name) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].recordHash() == name.hash && seen++ == name.occurrence)
            return i;
    }
    return entries.size();
}

// The entries as the file holds them now, when it changed since they were read or written.
FileResult readAgain(BatchLog& entries, StoredFile& file, bool& reread) {
    if (!file.changedSinceSeen())
        return {};
    reread = true;
    FileResult read = loadBatchLog(entries, file);
    if (!read.failed())
        return {};
    read.reason = "another program changed it since Kestrune read it, and now " + read.reason;
    if (read.kind == FileResult::Kind::Other)
        read.kind = FileResult::Kind::Unread;
    return read;
}

} // namespace

FileResult loadBatchLog(BatchLog& entries, StoredFile& file) {
    entries = {};
    // A piece at a time: the file is never held whole beside its entries.
    BatchLogReader reader(entries);
    std::uintmax_t bytes = 0;
    FileResult result =
        file.readPieces(kMaxBatchLogBytes, [&reader, &bytes](std::string_view text, bool end) {
            const std::size_t taken = reader.take(text, end);
            bytes += taken;
            return taken;
        });
    if (result.done() && reader.tooMany())
        result = FileResult::tooLargeToRead("it holds " + kMostLines, bytes);
    if (!result.done())
        entries = {};
    return result;
}

RecordName recordName(const BatchLog& entries, std::size_t index) {
    RecordName name{entries.at(index).recordHash(), 0};
    for (std::size_t i = 0; i < index; ++i)
        name.occurrence += entries[i].recordHash() == name.hash ? 1 : 0;
    return name;
}

BatchLogChanged changeBatchLog(BatchLog& entries, const BatchLogChange& change, StoredFile& file,
                               double thickness) {
    BatchLogChanged changed;
    FileResult& result = changed.result;
    if (change.test && !isLoggable(*change.test)) {
        result = FileResult::failure("the test has a value that cannot be logged");
        return changed;
    }
    if (result = readAgain(entries, file, changed.reread); result.failed())
        return changed;
    const std::size_t at = change.record ? findRecord(entries, *change.record) : entries.size();
    if (at == entries.size() && change.record) {
        result = FileResult::failure(
            changed.reread ? "another program changed it since Kestrune read it, and the test "
                             "is no longer in it as it was; the Batch Log now shows the file as "
                             "it is"
                           : "there is no such test");
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
