// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Tells the user about files that could not be read or written, and asks before a file that
// could not be read is replaced: what it holds is unknown, so it is not overwritten unasked.

#include "core/file_io.h"

#include <filesystem>
#include <string_view>

namespace kestrune {

// Shows a warning when a file that is there could not be read ("Kestrune could not read
// "<file>": <reason>." and the consequence) and remembers the file, so that a later write to it
// asks first. A file read, or not there at all (the first run, a new list), is forgotten again.
void reportReadResult(const std::filesystem::path& file, const ReadResult& result,
                      std::string_view consequence);

// Before a write: true unless the file is one that could not be read and the user chooses to
// keep it as it is.
bool mayReplace(const std::filesystem::path& file);

// After a write: shows the warning when it failed ("Kestrune could not save "<file>":
// <reason>." and the consequence) and returns true; a file written is forgotten as unreadable.
bool reportWriteFailure(const std::filesystem::path& file, const WriteResult& result,
                        std::string_view consequence);

} // namespace kestrune
