// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "file_result.h"

namespace kestrune {

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t kib = 1024;
    if (bytes != 0 && bytes % (kib * kib) == 0)
        return std::to_string(bytes / (kib * kib)) + " MiB";
    if (bytes != 0 && bytes % kib == 0)
        return std::to_string(bytes / kib) + " KiB";
    return std::to_string(bytes) + " bytes";
}

std::string tooLargeReason(std::size_t maxBytes) {
    return "it is larger than " + sizeText(maxBytes);
}

std::string linesTooLargeReason(std::size_t lines, std::size_t maxBytes) {
    return "its first " + std::to_string(lines) + " lines take more than " + sizeText(maxBytes);
}

std::string tooLargeToWriteReason(std::size_t maxBytes) {
    return "it would be larger than " + sizeText(maxBytes) + ", more than can be read back";
}

} // namespace kestrune
