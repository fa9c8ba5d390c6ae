// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What the logs Kestrune rewrites (kes-batches.csv, kes-torque.csv) share: read a piece at a
// time, read again when another program changed them, and records named by their bytes so that
// a change finds the record it means in the file as it is now.

#include "core/stored_file.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kestrune {

// What names a record of a log for a Delete or a Change: the hash of its bytes as last read or
// written, and how many records before it have those bytes.
struct RecordName {
    std::uint64_t hash = 0;
    std::size_t occurrence = 0;
};

template <class Log> RecordName recordNameIn(const Log& entries, std::size_t index) {
    RecordName name{entries.at(index).recordHash(), 0};
    for (std::size_t i = 0; i < index; ++i)
        name.occurrence += entries[i].recordHash() == name.hash ? 1 : 0;
    return name;
}

// Where the record named is among the entries; entries.size() when it is not there.
template <class Log> std::size_t findRecordIn(const Log& entries, const RecordName& name) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].recordHash() == name.hash && seen++ == name.occurrence)
            return i;
    }
    return entries.size();
}

// The file handed to a reader a piece at a time (take(text, end) and tooMany() as the log
// readers have them), refused as too large when the reader found more than it takes (`most`
// says how much, "more than 1000000 lines").
template <class Reader>
FileResult readLogPieces(StoredFile& file, Reader& reader, std::size_t maxBytes,
                         const std::string& most) {
    std::uintmax_t bytes = 0;
    FileResult result =
        file.readPieces(maxBytes, [&reader, &bytes](std::string_view text, bool end) {
            const std::size_t taken = reader.take(text, end);
            bytes += taken;
            return taken;
        });
    if (result.done() && reader.tooMany())
        result = FileResult::tooLargeToRead("it holds " + most, bytes);
    return result;
}

// When the file changed since it was last read or written, reread is set and load reads it
// again; a failure of that says that another program changed it.
FileResult readAgainIfChanged(StoredFile& file, bool& reread,
                              const std::function<FileResult()>& load);

// Why a Change or Delete found no such record: gone from a file read again, or never there.
std::string recordGoneReason(bool reread, std::string_view log);

} // namespace kestrune
