// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "disk_file.h"

#include "file_io.h"

namespace kestrune {

FileResult DiskFile::read(std::string& bytes, std::size_t maxBytes) {
    return readRegularFile(path_, bytes, maxBytes, &seen_.emplace());
}

FileResult DiskFile::readLines(std::string& bytes, std::size_t lines, std::size_t maxBytes) {
    return readRegularFileLines(path_, bytes, lines, maxBytes, &seen_.emplace());
}

FileResult DiskFile::readPieces(std::size_t maxBytes, const PieceTaker& take) {
    return readRegularFilePieces(path_, maxBytes, take, &seen_.emplace());
}

FileResult DiskFile::writePieces(const PieceSource& next, std::size_t maxBytes) {
    FileStamp written;
    FileResult result = writeFileAtomically(path_, next, maxBytes, &written);
    if (result.done())
        seen_ = written;
    return result;
}

bool DiskFile::changedSinceSeen() const {
    return !seen_ || fileStampAt(path_) != *seen_;
}

} // namespace kestrune
