// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The one way Kestrune reads and writes its files (settings, list files, text exports, and any
// file to come). Only regular files are read or replaced; a symbolic link to one is followed.

#include "core/file_result.h"
#include "core/stored_file.h"
#include "file_stamp.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kestrune {

// Replaces target with contents so that, whatever happens, target afterwards holds either its
// old bytes or all of the new ones (see core/temporary_file.h). A target that is not a regular
// file, or that exists but may not be written, is left alone and the write fails. A replaced
// file keeps its permissions, its extended attributes (access control lists, security labels)
// and, where the program may set them, its owner and group. A symbolic link stays and the file
// it names is written, also when that file is not there yet. A file with other hard links is
// replaced by a new file, so the other names keep the old contents.
FileResult writeFileAtomically(const std::filesystem::path& target, std::string_view contents);

// The same for contents made a piece at a time, so that a large file is never held whole: next
// gives the next piece, valid until it is called again, and an empty piece at the end. Contents
// of more than maxBytes are refused and the target left as it was. What was written is stamped
// into written, when given and the write succeeds.
FileResult writeFileAtomically(const std::filesystem::path& target, const PieceSource& next,
                               std::size_t maxBytes = SIZE_MAX, FileStamp* written = nullptr);

// Reads a regular file whole into contents. Anything else (a folder, a FIFO, a device, a socket) is
// refused with a reason, without waiting on it; so is a file larger than maxBytes. A read is whole
// or it fails: an error part way is a failure, never a shortened file. A UTF-8 byte-order mark at
// the start of the file (some editors write one) is not part of the contents.
// Each reader stamps what it found into found, when given, whatever came of the read.
FileResult readRegularFile(const std::filesystem::path& file, std::string& contents,
                           std::size_t maxBytes, FileStamp* found = nullptr);

// The same for a reader that needs only the first lines of a file: the contents end after that
// many lines, or with the file. Lines that do not fit in maxBytes are refused with a reason.
FileResult readRegularFileLines(const std::filesystem::path& file, std::string& contents,
                                std::size_t lines, std::size_t maxBytes,
                                FileStamp* found = nullptr);

// The same, given to take a piece at a time (see PieceTaker), so that a long file is never held
// whole; a failure may come after some pieces.
FileResult readRegularFilePieces(const std::filesystem::path& file, std::size_t maxBytes,
                                 const PieceTaker& take, FileStamp* found = nullptr);

} // namespace kestrune
