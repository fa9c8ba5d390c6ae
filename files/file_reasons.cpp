// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "file_reasons.h"

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kestrune {
namespace fs = std::filesystem;
namespace {

std::string quoted(const fs::path& path) {
    return '"' + path.string() + '"';
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The first folder on the way to file that stops it: missing, not a folder, or closed to the
// user.
std::optional<std::string> folderObstacle(const fs::path& file) {
    fs::path way;
    for (const fs::path& part : folderOf(file)) {
        way /= part;
        struct stat info {};
        if (::stat(way.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return "the folder " + quoted(way) + " does not exist";
            continue;
        }
        if (!S_ISDIR(info.st_mode))
            return quoted(way) + " is not a folder";
        if (::access(way.c_str(), X_OK) != 0)
            return "you have no access to the folder " + quoted(way);
    }
    return std::nullopt;
}

// A folder with the sticky bit lets only the owner of a file (or of the folder) replace it.
bool onlyOwnerMayReplace(const fs::path& file) {
    struct stat folder {};
    struct stat target {};
    const uid_t self = ::geteuid();
    return ::stat(folderOf(file).c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) != 0 &&
           folder.st_uid != self && ::stat(file.c_str(), &target) == 0 && target.st_uid != self;
}

} // namespace

std::string notAFileReason(mode_t mode) {
    if (S_ISDIR(mode))
        return "it is a folder";
    if (S_ISFIFO(mode))
        return "it is a named pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a file";
    return "it is not a regular file";
}

std::string fileFailureReason(const fs::path& file, int error, FileAccess access) {
    // What stands there says more than the error of opening it (a socket or a device without a
    // reader gives "No such device or address").
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return notAFileReason(info.st_mode);
    const bool denied = error == EACCES || error == EPERM;
    if (denied || error == ENOENT || error == ENOTDIR) {
        if (std::optional<std::string> obstacle = folderObstacle(file))
            return *obstacle;
    }
    if (denied && access == FileAccess::Read)
        return "its permissions do not let you read it";
    if (denied) {
        const fs::path folder = folderOf(file);
        if (::access(folder.c_str(), W_OK) != 0)
            return "the folder " + quoted(folder) + " is read-only";
        if (onlyOwnerMayReplace(file))
            return "the folder " + quoted(folder) + " lets only the file's owner replace it";
        return kReadOnlyFileReason;
    }
    if (error == EROFS)
        return "it is on a read-only file system";
    return std::generic_category().message(error);
}

} // namespace kestrune
