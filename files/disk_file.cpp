// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "disk_file.h"

#include "file_io.h"

namespace kestrune {

FileResult DiskFile::read(std::string& bytes, std::size_t maxBytes) {
    return readRegularFile(path_, bytes, maxBytes);
}

FileResult DiskFile::readLines(std::string& bytes, std::size_t lines, std::size_t maxBytes) {
    return readRegularFileLines(path_, bytes, lines, maxBytes);
}

FileResult DiskFile::readPieces(std::size_t maxBytes, const PieceTaker& take) {
    return readRegularFilePieces(path_, maxBytes, take);
}

FileResult DiskFile::writePieces(const PieceSource& next) {
    return writeFileAtomically(path_, next);
}

} // namespace kestrune
