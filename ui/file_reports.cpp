// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/file_reports.h"

#include "ui/app_identity.h"
#include "ui/messages.h"

#include <filesystem>
#include <map>
#include <new>
#include <string>

namespace kestrune {
namespace {

// The files that were there but could not be read, by their absolute names, and why not.
std::map<std::string, FileResult>& unreadableFiles() {
    static std::map<std::string, FileResult> files;
    return files;
}

// What replacing a file erases, as its reader said, by absolute name.
std::map<std::string, std::string>& replacingErases() {
    static std::map<std::string, std::string> files;
    return files;
}

// "67,682,489".
std::string grouped(std::uintmax_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
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
    const auto unread = unreadableFiles().find(key(file));
    if (unread == unreadableFiles().end())
        return true;
    const FileResult& result = unread->second;
    if (result.kind != FileResult::Kind::TooLargeToRead)
        return askYesNo(appIdentity().name + " could not read \"" + file.name() +
                        "\" earlier, so it does not know what the file holds.\n\nReplace it?");
    // Too large is no unknown content: the question says what would be lost.
    const std::string& erases = replacingErases()[key(file)];
    return askYesNo(appIdentity().name + " did not read \"" + file.name() + "\": " + result.reason +
                    " (" + grouped(result.size) + " bytes).\n\n" +
                    (erases.empty() ? "Replacing it erases what it holds." : erases) +
                    "\n\nReplace it?");
}

} // namespace

FileResult loadReported(StoredFile& file, const std::function<FileResult()>& load,
                        std::string_view consequence, std::string_view erases) {
    if (!erases.empty())
        replacingErases()[key(file)] = erases;
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
    unreadableFiles()[key(file)] = result;
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
    // Read again before it was written, and unreadable now: asked about like any file that could
    // not be read.
    if (result.kind != FileResult::Kind::Other)
        unreadableFiles()[key(file)] = result;
    tell(fileText("save", file, result.reason, consequence));
    return false;
}

} // namespace kestrune
