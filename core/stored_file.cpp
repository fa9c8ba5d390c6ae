// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "stored_file.h"

#include <utility>

namespace kestrune {

FileResult StoredFile::write(std::string_view contents) {
    bool given = false;
    return writePieces(
        [&]() -> std::string_view {
            return std::exchange(given, true) ? std::string_view() : contents;
        },
        contents.size());
}

} // namespace kestrune
