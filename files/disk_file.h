// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A file at a path on disk, read and written the one way the program does (files/file_io.h).

#include "core/stored_file.h"
#include "file_stamp.h"

#include <filesystem>
#include <optional>

namespace kestrune {

class DiskFile final : public StoredFile {
public:
    explicit DiskFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    std::string name() const override { return path_.string(); }
    FileResult read(std::string& bytes, std::size_t maxBytes) override;
    FileResult readLines(std::string& bytes, std::size_t lines, std::size_t maxBytes) override;
    FileResult readPieces(std::size_t maxBytes, const PieceTaker& take) override;
    FileResult writePieces(const PieceSource& next, std::size_t maxBytes) override;
    bool changedSinceSeen() const override;

private:
    std::filesystem::path path_;
    std::optional<FileStamp> seen_; // at the last read or write
};

} // namespace kestrune
