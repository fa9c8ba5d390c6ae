// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/file_reports.h"

#include "ui/app_identity.h"
#include "ui/messages.h"

#include <filesystem>
#include <new>
#include <set>
#include <string>

namespace kestrune {
namespace {

// The files that were there but could not be read, by their absolute names.
std::set<std::string>& unreadableFiles() {
    static std::set<std::string> files;
    return files;
}

std::string key(const StoredFile& file) {
    std::error_code ec;
    const std::filesystem::path name = file.name();
    std::filesystem::path absolute = std::filesystem::absolute(name, ec);
    return (ec ? name : absolute).lexically_normal().string();
}

std::string fileText(std::string_view what, const StoredFile& file, std::string_view reason,
                     std::string_view consequence) {
    std::string text = appIdentity().name + " could not ";
    text += what;
    text += " \"" + file.name() + "\": ";
    text += reason;
    text += ".";
    if (!consequence.empty()) {
        text += "\n\n";
        text += consequence;
    }
    return text;
}

bool mayReplace(const StoredFile& file) {
    if (unreadableFiles().count(key(file)) == 0)
        return true;
    return askYesNo(appIdentity().name + " could not read \"" + file.name() +
                    "\" earlier, so it does not know what the file holds.\n\nReplace it?");
}

} // namespace

FileResult loadReported(StoredFile& file, const std::function<FileResult()>& load,
                        std::string_view consequence) {
    FileResult result;
    try {
        result = load();
    } catch (const std::bad_alloc&) {
        // Part of a file is no data to work on: the caller shows none of it.
        result = FileResult::failure(kNoMemoryToRead);
    }
    if (!result.failed()) {
        unreadableFiles().erase(key(file));
        return result;
    }
    unreadableFiles().insert(key(file));
    tell(fileText("read", file, result.reason, consequence));
    return result;
}

bool saveReported(StoredFile& file, const std::function<FileResult()>& save,
                  std::string_view consequence, Replacing replacing) {
    if (replacing == Replacing::AskIfUnread && !mayReplace(file))
        return false;
    FileResult result;
    try {
        result = save();
    } catch (const std::bad_alloc&) {
        result = FileResult::failure(kNoMemoryToSave);
    }
    if (result.done()) {
        unreadableFiles().erase(key(file));
        return true;
    }
    tell(fileText("save", file, result.reason, consequence));
    return false;
}

} // namespace kestrune
