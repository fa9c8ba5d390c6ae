#pragma once
// The one way Kestrune reads and writes its files (settings, list files, text exports).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

// The outcome of a write; a failure carries a short reason for the user ("Permission denied").
struct WriteResult {
    bool ok = true;
    std::string reason;

    static WriteResult success() { return {}; }
    static WriteResult failure(std::string why) { return {false, std::move(why)}; }
};

// Replaces target with contents so that, whatever happens, target afterwards holds either its
// old bytes or all of the new ones: the bytes go to a temporary file in the same folder, are
// flushed to disk and renamed over target. A target that exists but is read-only (no write
// permission bit, or not writable by this user) is left alone and the write fails. An existing
// target keeps its permissions; a symbolic link keeps pointing at its file.
WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view contents);

// The whole content of a regular file; nothing when it cannot be opened or is a folder.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// The folder the program started in. The process never changes its working directory, so this
// is where kes.cfg and the first kes.dta live.
const std::filesystem::path& startDirectory();

} // namespace kestrune
