// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Why a file could not be read or written, in the user's words: the same words for a read and a
// write, taken from what stands at the path and what really failed, naming the folder when the
// folder is the obstacle.

#include "core/file_result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <sys/types.h>

namespace kestrune {

enum class FileAccess { Read, Write };

// What a path that is not a regular file is ("it is a folder", "it is a socket, not a file").
std::string notAFileReason(mode_t mode);

// The reason for errno error, met while reading or writing file.
std::string fileFailureReason(const std::filesystem::path& file, int error, FileAccess access);

} // namespace kestrune
