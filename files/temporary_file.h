// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// New contents on their way to a file's place. The file is made in the target's folder and takes
// the target's place in one step, so the target holds its old bytes or all of the new ones.
// Where the file system can, the new file has no name until that step, so a write cut short
// leaves nothing behind; elsewhere it has a temporary name of the target's and is locked while
// it is written, so that a later write of the target can tell a file left by a killed writer
// from one another writer is still working on.

#include "descriptor.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace kestrune {

class TemporaryFile {
public:
    enum class Kind { Unnamed, Named };

    // A new empty file in folder for the target called targetName, with the permissions mode
    // (the umask applies). Unnamed where the file system allows it, unless Named is asked for.
    // valid() tells whether it was made, error() why not.
    TemporaryFile(std::filesystem::path folder, std::string_view targetName, mode_t mode,
                  Kind kind = Kind::Unnamed);
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    // A named file that never took the target's place is removed.
    ~TemporaryFile();

    bool valid() const { return fd_.valid(); }
    int fd() const { return fd_.get(); }
    // The errno of the last step that failed.
    int error() const { return error_; }
    // The temporary name, empty while the file has none.
    const std::filesystem::path& path() const { return path_; }

    // Appends bytes; false when not all of them could be written.
    bool write(std::string_view bytes);
    // Flushes the file to disk and puts it in place of target, a file of the same folder. False
    // when it cannot; the target is then as it was.
    bool commit(const std::filesystem::path& target);

private:
    bool fail();
    bool openNamed(mode_t mode);
    bool giveName();

    std::filesystem::path folder_;
    std::string targetName_;
    std::filesystem::path path_;
    Descriptor fd_;
    int error_ = 0;
    bool committed_ = false;
};

// Removes the temporary files of targetName in folder that no writer holds any more (their
// writer was killed, or the power went). A file another writer is still working on stays.
void removeStaleTemporaryFiles(const std::filesystem::path& folder, std::string_view targetName);

} // namespace kestrune
