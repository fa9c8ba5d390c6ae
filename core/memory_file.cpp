// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "memory_file.h"

#include <string_view>
#include <utility>

namespace kestrune {
namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
} // namespace

MemoryFile::MemoryFile(std::string name, std::optional<std::string> bytes)
    : name_(std::move(name)), bytes_(std::move(bytes)) {}

FileResult MemoryFile::contents(std::string_view& bytes) const {
    changed_ = false;
    if (readFailure_)
        return FileResult::failure(*readFailure_);
    if (!bytes_)
        return FileResult::missingFile();
    bytes = *bytes_;
    return {};
}

FileResult MemoryFile::read(std::string& bytes, std::size_t maxBytes) {
    std::string_view held;
    if (FileResult result = contents(held); !result.done())
        return result;
    if (held.size() > maxBytes)
        return FileResult::tooLargeToRead(tooLargeReason(maxBytes), held.size());
    if (held.starts_with(kByteOrderMark))
        held.remove_prefix(kByteOrderMark.size());
    bytes = held;
    return {};
}

FileResult MemoryFile::readLines(std::string& bytes, std::size_t lines, std::size_t maxBytes) {
    std::string_view held;
    if (FileResult result = contents(held); !result.done())
        return result;
    std::size_t end = 0;
    std::size_t found = 0;
    while (found < lines && (end = held.find('\n', end)) != std::string_view::npos) {
        ++found;
        ++end;
    }
    if (found < lines)
        end = held.size();
    if (end > maxBytes)
        return FileResult::failure(linesTooLargeReason(lines, maxBytes));
    held = held.substr(0, end);
    if (held.starts_with(kByteOrderMark))
        held.remove_prefix(kByteOrderMark.size());
    bytes = held;
    return {};
}

FileResult MemoryFile::readPieces(std::size_t maxBytes, const PieceTaker& take) {
    std::string bytes;
    if (FileResult result = read(bytes, maxBytes); !result.done())
        return result;
    take(bytes, true);
    return {};
}

FileResult MemoryFile::writePieces(const PieceSource& next, std::size_t maxBytes) {
    if (writeFailure_)
        return FileResult::failure(*writeFailure_);
    std::string written;
    for (std::string_view piece = next(); !piece.empty(); piece = next()) {
        if (piece.size() > maxBytes - written.size())
            return FileResult::failure(tooLargeToWriteReason(maxBytes));
        written += piece;
    }
    bytes_ = std::move(written);
    changed_ = false;
    return {};
}

} // namespace kestrune
