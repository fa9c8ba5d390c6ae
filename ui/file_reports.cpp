// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/file_reports.h"

#include "platform/seams.h"

#include <set>
#include <string>

namespace kestrune {
namespace {

// The files that were there but could not be read, as the user named them (absolute).
std::set<std::filesystem::path>& unreadableFiles() {
    static std::set<std::filesystem::path> files;
    return files;
}

std::filesystem::path key(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    return (ec ? file : absolute).lexically_normal();
}

std::string fileText(std::string_view what, const std::filesystem::path& file,
                     std::string_view reason, std::string_view consequence) {
    std::string text = "Kestrune could not ";
    text += what;
    text += " \"" + file.string() + "\": ";
    text += reason;
    text += ".";
    if (!consequence.empty()) {
        text += "\n\n";
        text += consequence;
    }
    return text;
}

} // namespace

void reportReadResult(const std::filesystem::path& file, const ReadResult& result,
                      std::string_view consequence) {
    if (!result.failed()) {
        unreadableFiles().erase(key(file));
        return;
    }
    unreadableFiles().insert(key(file));
    platform::AfxMessageBox("Kestrune", fileText("read", file, result.reason, consequence));
}

bool mayReplace(const std::filesystem::path& file) {
    if (unreadableFiles().count(key(file)) == 0)
        return true;
    const std::string question = "Kestrune could not read \"" + file.string() +
                                 "\" earlier, so it does not know what the file holds.\n\n"
                                 "Replace it?";
    return platform::AfxMessageBox("Kestrune", question, platform::MB_YESNO) == platform::IDYES;
}

bool reportWriteFailure(const std::filesystem::path& file, const WriteResult& result,
                        std::string_view consequence) {
    if (result.ok) {
        unreadableFiles().erase(key(file));
        return false;
    }
    platform::AfxMessageBox("Kestrune", fileText("save", file, result.reason, consequence));
    return true;
}

} // namespace kestrune
