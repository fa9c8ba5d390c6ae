// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Files on disk by their paths, as the program reads and writes them, for tests that name a
// file where a reader or writer takes one: disk(path) lives as long as the DiskFiles.

#include "files/disk_file.h"

#include <deque>
#include <filesystem>

namespace kestrune::test {

class DiskFiles {
public:
    DiskFile& operator()(const std::filesystem::path& path) { return files_.emplace_back(path); }

private:
    std::deque<DiskFile> files_;
};

} // namespace kestrune::test
