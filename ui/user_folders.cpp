// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/user_folders.h"

#include "files/start_directory.h"
#include "platform/folders.h"

namespace kestrune {

std::filesystem::path documentsFolder() {
    std::filesystem::path folder = platform::documentsFolder();
    return folder.empty() ? startDirectory() : folder;
}

} // namespace kestrune
