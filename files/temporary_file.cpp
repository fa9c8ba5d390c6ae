// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "temporary_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>

namespace kestrune {
namespace fs = std::filesystem;
namespace {

// ".<target's name>.kestrune-<8 letters or digits>": hidden, and not a name a person gives.
constexpr std::string_view kMark = ".kestrune-";
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLength = 8;

// The part of the target's name its temporary names carry: all of it where that fits the
// longest name the folder takes, else its start, cut between two characters.
std::string namePart(const fs::path& folder, std::string_view targetName) {
    long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (longest <= 0)
        longest = NAME_MAX;
    const std::size_t fixed = 1 + kMark.size() + kRandomLength;
    const std::size_t room =
        static_cast<std::size_t>(longest) > fixed ? static_cast<std::size_t>(longest) - fixed : 0;
    if (targetName.size() <= room)
        return std::string(targetName);
    std::size_t end = room;
    while (end > 0 && (static_cast<unsigned char>(targetName[end]) & 0xC0) == 0x80)
        --end;
    return std::string(targetName.substr(0, end));
}

std::string temporaryName(std::string_view part) {
    static std::minstd_rand random(std::random_device{}());
    std::string name = ".";
    name += part;
    name += kMark;
    for (std::size_t i = 0; i < kRandomLength; ++i)
        name += kLetters[random() % kLetters.size()];
    return name;
}

bool isTemporaryName(std::string_view name, std::string_view part) {
    const std::size_t start = 1 + part.size() + kMark.size();
    return name.size() == start + kRandomLength && name[0] == '.' &&
           name.substr(1, part.size()) == part &&
           name.substr(1 + part.size(), kMark.size()) == kMark &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(start), name.end(),
                       [](char c) { return kLetters.find(c) != std::string_view::npos; });
}

// The open file is the one the name stands for (no one removed or replaced it meanwhile).
bool isNamed(int fd, const fs::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// A file without a name can be given one later through /proc (or by a privileged process).
bool canBeNamed(int fd) {
    return ::access(("/proc/self/fd/" + std::to_string(fd)).c_str(), F_OK) == 0;
}

} // namespace

TemporaryFile::TemporaryFile(fs::path folder, std::string_view targetName, mode_t mode, Kind kind)
    : folder_(std::move(folder)), targetName_(targetName) {
    if (kind == Kind::Unnamed) {
        fd_.reset(::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
        if (fd_.valid() && canBeNamed(fd_.get())) {
            ::flock(fd_.get(), LOCK_EX);
            return;
        }
        // Without unnamed files (an older kernel, some file systems) the named way is taken;
        // any other failure would befall a named file too.
        if (!fd_.valid() && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            fail();
            return;
        }
        fd_.reset();
    }
    openNamed(mode);
}

TemporaryFile::~TemporaryFile() {
    if (!committed_ && !path_.empty())
        ::unlink(path_.c_str());
}

bool TemporaryFile::fail() {
    error_ = errno;
    return false;
}

bool TemporaryFile::openNamed(mode_t mode) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = folder_ / temporaryName(namePart(folder_, targetName_));
        fd_.reset(
            ::open(path_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!fd_.valid() && errno == EEXIST)
            continue;
        if (!fd_.valid())
            break;
        // Another writer clearing stale files may have taken this one between its making and
        // the lock; it is then removed, and the next name is tried.
        const bool taken = ::flock(fd_.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        if (!taken && isNamed(fd_.get(), path_))
            return true;
        fd_.reset();
        errno = EEXIST;
    }
    path_.clear();
    return fail();
}

bool TemporaryFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_.get(), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return fail();
        if (written == 0) {
            errno = ENOSPC;
            return fail();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool TemporaryFile::giveName() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path name = folder_ / temporaryName(namePart(folder_, targetName_));
        if (::linkat(fd_.get(), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0 ||
            ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            path_ = std::move(name);
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    return fail();
}

bool TemporaryFile::commit(const fs::path& target) {
    if (::fsync(fd_.get()) != 0)
        return fail();
    // Closing a copy of the descriptor makes a file system that writes lazily report its errors
    // now, while the lock stays with the file until it has its place.
    const int copy = ::dup(fd_.get());
    if (copy < 0 || ::close(copy) != 0)
        return fail();
    // A link can only be made to a free name, so an unnamed file gets a temporary one first.
    if (path_.empty() && !giveName())
        return false;
    if (::rename(path_.c_str(), target.c_str()) != 0)
        return fail();
    committed_ = true;
    // The rename itself reaches the disk too.
    const Descriptor folder(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    fd_.reset();
    return true;
}

void removeStaleTemporaryFiles(const fs::path& folder, std::string_view targetName) {
    const std::string part = namePart(folder, targetName);
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        if (!isTemporaryName(path.filename().native(), part))
            continue;
        constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        Descriptor fd(::open(path.c_str(), O_RDONLY | flags));
        if (!fd.valid() && errno == EACCES)
            fd.reset(::open(path.c_str(), O_WRONLY | flags));
        // A writer at work holds its lock; where locks do not work, no file counts as stale.
        struct stat info {};
        if (fd.valid() && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 && isNamed(fd.get(), path))
            ::unlink(path.c_str());
    }
}

} // namespace kestrune
