// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The one way the pages read and write their files before the user's eyes: a file that could
// not be read is reported and remembered, and asked about before it is replaced, since what it
// holds is unknown; a failed write is reported with what it means for the user's data.

#include "core/stored_file.h"

#include <functional>
#include <string_view>

namespace kestrune {

// Runs load, which reads file. When the file is there but could not be read (or the memory ran
// out while it was read), shows "Kestrune could not read "<file>": <reason>." and the
// consequence, and remembers the file; a file read, or not there at all (the first run, a new
// list), is forgotten again. The caller shows no data of a failed read. What the file is, and
// what replacing it erases, is what the question says before a file refused for its size is
// replaced ("It is the batch log: replacing it erases every test in it.").
FileResult loadReported(StoredFile& file, const std::function<FileResult()>& load,
                        std::string_view consequence, std::string_view erases = {});

// Whether a file the user chose in a save dialog, which has asked before replacing it, is asked
// about again when it could not be read.
enum class Replacing { AskIfUnread, AlreadyConfirmed };

// Runs save, which writes file, unless it is a file that could not be read and the user chooses
// to keep it as it is. A failure is shown ("Kestrune could not save "<file>": <reason>." and the
// consequence); one because the file, read again first, could not be read makes it a file that
// could not be read. True when the file was written.
bool saveReported(StoredFile& file, const std::function<FileResult()>& save,
                  std::string_view consequence, Replacing replacing = Replacing::AskIfUnread);

} // namespace kestrune
