// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A file kept in memory: the bytes a browser read for the field page, or a file of a test. It
// reads as a file on disk does (the same limits, the same reasons, a byte-order mark skipped).

#include "stored_file.h"

#include <optional>
#include <string>

namespace kestrune {

class MemoryFile final : public StoredFile {
public:
    // A file named name holding bytes, or no file at all.
    explicit MemoryFile(std::string name, std::optional<std::string> bytes = std::nullopt);

    std::string name() const override { return name_; }
    FileResult read(std::string& bytes, std::size_t maxBytes) override;
    FileResult readLines(std::string& bytes, std::size_t lines, std::size_t maxBytes) override;
    FileResult readPieces(std::size_t maxBytes, const PieceTaker& take) override;
    FileResult writePieces(const PieceSource& next, std::size_t maxBytes) override;
    bool changedSinceSeen() const override { return changed_; }

    // What the file holds now; nothing when there is none.
    const std::optional<std::string>& bytes() const { return bytes_; }
    // A change from outside: another program wrote the file, or removed it.
    void setBytes(std::optional<std::string> bytes) {
        bytes_ = std::move(bytes);
        changed_ = true;
    }
    // From now on every read, or every write, fails for this reason (none: they work again).
    void failReads(std::optional<std::string> reason) { readFailure_ = std::move(reason); }
    void failWrites(std::optional<std::string> reason) { writeFailure_ = std::move(reason); }

private:
    // The file's bytes past a byte-order mark, or why there are none to read.
    FileResult contents(std::string_view& bytes) const;

    std::string name_;
    std::optional<std::string> bytes_;
    std::optional<std::string> readFailure_;
    std::optional<std::string> writeFailure_;
    mutable bool changed_ = true; // since the last read or write
};

} // namespace kestrune
