// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/folders.h"

#include "platform/detail/qt_text.h"

#include <QStandardPaths>

namespace kestrune::platform {

std::filesystem::path documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    std::error_code ec;
    std::filesystem::path path = detail::stdPath(folder);
    if (folder.isEmpty() || !std::filesystem::is_directory(path, ec))
        return {};
    return path;
}

} // namespace kestrune::platform
