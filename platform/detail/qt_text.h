// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Text and paths between the standard library and Qt: text is UTF-8 on the standard side; paths
// are the file system's bytes, decoded as Qt decodes file names, so any name survives the trip.

#include <QFile>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace kestrune::platform::detail {

inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string stdText(const QString& text) {
    return text.toStdString();
}

inline QString qtPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

inline std::filesystem::path stdPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace kestrune::platform::detail
