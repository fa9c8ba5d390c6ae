// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "logged_file.h"

namespace kestrune {

FileResult readAgainIfChanged(StoredFile& file, bool& reread,
                              const std::function<FileResult()>& load) {
    if (!file.changedSinceSeen())
        return {};
    reread = true;
    FileResult read = load();
    if (!read.failed())
        return {};
    read.reason = "another program changed it since Kestrune read it, and now " + read.reason;
    if (read.kind == FileResult::Kind::Other)
        read.kind = FileResult::Kind::Unread;
    return read;
}

std::string recordGoneReason(bool reread, std::string_view log) {
    if (!reread)
        return "there is no such test";
    return "another program changed it since Kestrune read it, and the test is no longer in it "
           "as it was; the " +
           std::string(log) + " now shows the file as it is";
}

} // namespace kestrune
