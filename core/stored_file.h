// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// One of the program's files as its readers and writers see it: bytes to read and replace, and
// a name for messages. The window and the command line keep them on disk (files/disk_file.h);
// the field page hands over bytes a browser read, and the tests keep them in memory. So the
// parsers, the logs and the page models never open a file themselves.

#include "file_result.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kestrune {

// Takes the bytes not taken yet and whether the file ends after them; gives how many of them it
// takes from the front. The rest comes again with more after it; at the end it takes what is left.
using PieceTaker = std::function<std::size_t(std::string_view bytes, bool end)>;
// Gives the next piece of a file's new contents, valid until it is called again; an empty piece
// ends them.
using PieceSource = std::function<std::string_view()>;

class StoredFile {
public:
    StoredFile() = default;
    StoredFile(const StoredFile&) = delete;
    StoredFile& operator=(const StoredFile&) = delete;
    virtual ~StoredFile() = default;

    // The file as messages name it (its path).
    virtual std::string name() const = 0;

    // Every read gives the file's bytes without a UTF-8 byte-order mark at their start (some
    // editors write one), and is whole or fails: never a shortened file.
    // The whole file; one larger than maxBytes is refused (tooLargeReason).
    virtual FileResult read(std::string& bytes, std::size_t maxBytes) = 0;
    // Its first lines only: the bytes end after that many lines, or with the file. Lines that do
    // not fit in maxBytes are refused (linesTooLargeReason).
    virtual FileResult readLines(std::string& bytes, std::size_t lines, std::size_t maxBytes) = 0;
    // The whole file handed to take a piece at a time, so that a long file is never held whole.
    // A failure may come after some pieces.
    virtual FileResult readPieces(std::size_t maxBytes, const PieceTaker& take) = 0;

    // Replaces the file with new contents: afterwards it holds its old bytes or all of the new.
    // Contents of more than maxBytes are refused (tooLargeToWriteReason), the file left as it was.
    virtual FileResult writePieces(const PieceSource& next, std::size_t maxBytes) = 0;
    // The same for contents held whole.
    FileResult write(std::string_view contents);

    // Whether the file may differ from what this object last found when it read or wrote it:
    // another program or another copy of Kestrune changed, replaced or removed it, or it was
    // never read or written through this object. A read that fails counts as found too.
    virtual bool changedSinceSeen() const = 0;
};

} // namespace kestrune
