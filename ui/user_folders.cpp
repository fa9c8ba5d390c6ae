// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/user_folders.h"

#include "core/start_directory.h"

#include <QStandardPaths>

namespace kestrune {

std::filesystem::path documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    std::error_code ec;
    std::filesystem::path path = folder.toStdString();
    if (!folder.isEmpty() && std::filesystem::is_directory(path, ec))
        return path;
    return startDirectory();
}

} // namespace kestrune
