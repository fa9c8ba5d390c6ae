// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The one way Kestrune reads and writes its files (settings, list files, text exports, and any
// file to come). Only regular files are read or replaced; a symbolic link to one is followed.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kestrune {

// The outcome of a write; a failure carries a short reason for the user ("the file is
// read-only").
struct WriteResult {
    bool ok = true;
    std::string reason;

    static WriteResult success() { return {}; }
    static WriteResult failure(std::string why) { return {false, std::move(why)}; }
};

// The outcome of a read: the file's bytes, or that there is no such file (the program's first
// run, or a new list), or why the file that is there could not be read.
struct ReadResult {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    std::string contents; // the file's bytes when Read
    std::string reason;   // when Failed: "it is a folder", "it is larger than 64 MiB", ...

    static ReadResult failure(std::string why) { return {Status::Failed, {}, std::move(why)}; }

    bool read() const { return status == Status::Read; }
    bool failed() const { return status == Status::Failed; }
};

// Replaces target with contents so that, whatever happens, target afterwards holds either its
// old bytes or all of the new ones (see core/temporary_file.h). A target that is not a regular
// file, or that exists but may not be written, is left alone and the write fails. A replaced
// file keeps its permissions, its extended attributes (access control lists, security labels)
// and, where the program may set them, its owner and group. A symbolic link stays and the file
// it names is written, also when that file is not there yet. A file with other hard links is
// replaced by a new file, so the other names keep the old contents.
WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view contents);

// The same for contents made a piece at a time, so that a large file is never held whole: next
// gives the next piece, valid until it is called again, and an empty piece at the end.
WriteResult writeFileAtomically(const std::filesystem::path& target,
                                const std::function<std::string_view()>& next);

// Reads a regular file whole. Anything else (a folder, a FIFO, a device, a socket) is refused
// with a reason, without waiting on it; so is a file larger than maxBytes. A read is whole or it
// fails: an error part way is a failure, never a shortened file. A UTF-8 byte-order mark at the
// start of the file (some editors write one) is not part of the contents.
ReadResult readRegularFile(const std::filesystem::path& file, std::size_t maxBytes);

// The same for a reader that needs only the first lines of a file: the contents end after that
// many lines, or with the file. Lines that do not fit in maxBytes are refused with a reason.
ReadResult readRegularFileLines(const std::filesystem::path& file, std::size_t lines,
                                std::size_t maxBytes);

// The same, given to take a piece at a time, so that a long file is never held whole: take gets
// the bytes it has not taken yet and whether the file ends after them, and gives how many of
// them it takes from the front; the rest comes again with more after it. At the end it takes
// what is left. The contents of the result stay empty; a failure may come after some pieces.
ReadResult readRegularFilePieces(const std::filesystem::path& file, std::size_t maxBytes,
                                 const std::function<std::size_t(std::string_view, bool)>& take);

} // namespace kestrune
