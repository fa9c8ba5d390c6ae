// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "start_directory.h"

namespace kestrune {

const std::filesystem::path& startDirectory() {
    static const std::filesystem::path folder = [] {
        std::error_code ec;
        std::filesystem::path here = std::filesystem::current_path(ec);
        return ec ? std::filesystem::path(".") : here;
    }();
    return folder;
}

std::filesystem::path programFilePath(std::string_view name) {
    return startDirectory() / name;
}

} // namespace kestrune
