// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What tells, without reading it, that a file is no longer the one the program read or wrote:
// its device and inode (another file put in its place), its size and its modification time to
// the nanosecond; or that no file was there.

#include <cstdint>
#include <filesystem>
#include <sys/stat.h>

namespace kestrune {

struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp fileStamp(const struct stat& info);
// Of what stands at path now, links followed; one that cannot be looked at counts as no file.
FileStamp fileStampAt(const std::filesystem::path& path);

} // namespace kestrune
