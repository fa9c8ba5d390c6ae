// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What came of reading or writing one of the program's files, with the reason in the user's
// words when it failed ("it is a folder", "the file is read-only"). A read may also find no
// file at all: the program's first run, or a new list.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace kestrune {

struct FileResult {
    enum class Status { Done, Missing, Failed };
    // What a failure means beyond its reason: a file that is there but could not be read is
    // asked about before it is replaced, one refused for its size with its size.
    enum class Kind { Other, Unread, TooLargeToRead };
    Status status = Status::Done;
    std::string reason; // when Failed
    Kind kind = Kind::Other;
    std::uintmax_t size = 0; // bytes of a file too large to read

    static FileResult missingFile() { return {Status::Missing, {}}; }
    static FileResult failure(std::string why) { return {Status::Failed, std::move(why)}; }
    static FileResult tooLargeToRead(std::string why, std::uintmax_t bytes) {
        return {Status::Failed, std::move(why), Kind::TooLargeToRead, bytes};
    }

    bool done() const { return status == Status::Done; }
    bool missing() const { return status == Status::Missing; }
    bool failed() const { return status == Status::Failed; }
    friend bool operator==(const FileResult&, const FileResult&) = default;
};

// A size limit as the user reads it: "64 MiB", "64 KiB" or a number of bytes.
std::string sizeText(std::size_t bytes);

// Why a file over a reader's limit is not read: "it is larger than 64 MiB", and for a reader of
// the first lines only, "its first 6 lines take more than 64 KiB".
std::string tooLargeReason(std::size_t maxBytes);
std::string linesTooLargeReason(std::size_t lines, std::size_t maxBytes);
// Why new contents are not written: "it would be larger than 64 MiB, more than can be read back".
std::string tooLargeToWriteReason(std::size_t maxBytes);

inline constexpr const char* kReadOnlyFileReason = "the file is read-only";
inline constexpr const char* kNoMemoryToRead = "there is not enough memory to read it";
inline constexpr const char* kNoMemoryToSave = "there is not enough memory to save it";

} // namespace kestrune
