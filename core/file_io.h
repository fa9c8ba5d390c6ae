// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The one way Kestrune reads and writes its files (settings, list files, text exports). Only
// regular files are read or replaced; a symbolic link to one is followed.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kestrune {

// The outcome of a write; a failure carries a short reason for the user ("Permission denied").
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
    std::string contents; // every byte of the file when Read
    std::string reason;   // when Failed: "it is a folder", "Permission denied", ...

    bool read() const { return status == Status::Read; }
    bool failed() const { return status == Status::Failed; }
};

// Replaces target with contents so that, whatever happens, target afterwards holds either its
// old bytes or all of the new ones: the bytes go to a file in the same folder that has no name
// until it is complete and flushed to disk (a file with a temporary name where the file system
// cannot do that), which then takes target's place. A target that is not a regular file, or
// that exists but may not be written, is left alone and the write fails. A replaced file keeps
// its permissions and, where the program may set them, its owner and group; a symbolic link
// keeps pointing at its file.
WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view contents);

// Reads a regular file whole. Anything else (a folder, a FIFO, a device, a socket) is refused
// with a reason, without waiting on it; so is a file larger than maxBytes. A read is whole or it
// fails: an error part way is a failure, never a shortened file.
ReadResult readRegularFile(const std::filesystem::path& file, std::size_t maxBytes);

// The same for a reader that needs only the start of a file: at most the first maxBytes bytes,
// whatever the file's size.
ReadResult readRegularFileStart(const std::filesystem::path& file, std::size_t maxBytes);

} // namespace kestrune
