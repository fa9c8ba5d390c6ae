// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "file_io.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kestrune {
namespace fs = std::filesystem;
namespace {

std::string errnoText(int error) {
    return std::generic_category().message(error);
}

// What a path that is not a regular file is, in the user's words.
std::string notAFile(mode_t mode) {
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

std::string tooLarge(std::size_t maxBytes) {
    if (maxBytes % (std::size_t{1} << 20) == 0)
        return "it is larger than " + std::to_string(maxBytes >> 20) + " MiB";
    return "it is larger than " + std::to_string(maxBytes) + " bytes";
}

// Owns a file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    void reset(int fd) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; errors a lazily writing file system reports only at the close count too.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

ReadResult failedRead(std::string reason) {
    return {ReadResult::Status::Failed, {}, std::move(reason)};
}

ReadResult readRegular(const fs::path& file, std::size_t maxBytes, bool startOnly) {
    // Non-blocking, so that opening a FIFO does not wait for a writer that never comes.
    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return errno == ENOENT ? ReadResult{} : failedRead(errnoText(errno));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return failedRead(errnoText(errno));
    if (!S_ISREG(info.st_mode))
        return failedRead(notAFile(info.st_mode));
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    if (!startOnly && size > maxBytes)
        return failedRead(tooLarge(maxBytes));

    // One byte more than allowed shows a file that grew past the limit while it was read.
    const std::size_t wanted = startOnly ? maxBytes : maxBytes + 1;
    std::string contents;
    contents.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, wanted)));
    std::array<char, std::size_t{64} * 1024> chunk{};
    while (contents.size() < wanted) {
        const std::size_t room = std::min(chunk.size(), wanted - contents.size());
        const ssize_t got = ::read(fd.get(), chunk.data(), room);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failedRead(errnoText(errno));
        if (got == 0)
            break;
        contents.append(chunk.data(), static_cast<std::size_t>(got));
    }
    if (contents.size() > maxBytes)
        return failedRead(tooLarge(maxBytes));
    return {ReadResult::Status::Read, std::move(contents), {}};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A name in the folder that nothing has yet, for a file on its way to its real name.
std::string temporaryName(const fs::path& folder, const fs::path& target) {
    static std::minstd_rand random(std::random_device{}());
    constexpr std::string_view letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    for (int i = 0; i < 8; ++i)
        name += letters[random() % letters.size()];
    return (folder / name).string();
}

// The new contents on their way to the target. Where the file system can, the file has no name
// until it is complete, so a write cut short leaves nothing behind; elsewhere it has a
// temporary name and is removed again when the write does not finish.
class NewFile {
public:
    // mode: the permissions of a new file before the umask (which the system applies here).
    NewFile(const fs::path& folder, const fs::path& target, mode_t mode, bool unnamed)
        : folder_(folder), target_(target) {
        if (unnamed) {
            fd_.reset(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
            if (fd_.valid())
                return;
            // An older kernel or a file system without unnamed files: the named way.
            unsupported_ = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL;
            return;
        }
        for (int attempt = 0; attempt < 100 && !fd_.valid(); ++attempt) {
            path_ = temporaryName(folder, target);
            fd_.reset(::open(path_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode));
            if (!fd_.valid() && errno != EEXIST)
                break;
        }
        named_ = fd_.valid();
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() {
        if (named_)
            ::unlink(path_.c_str()); // only a file this write made, and only if it never arrived
    }

    bool opened() const { return fd_.valid(); }
    // The file system cannot make unnamed files: try the named way.
    bool unsupported() const { return unsupported_; }
    int fd() const { return fd_.get(); }

    // Puts the complete file in the target's place; false with errno set when it cannot. An
    // unnamed file that cannot be given a name is unsupported too.
    bool replaceTarget() {
        if (!named_ && !nameUnnamed())
            return false;
        if (!fd_.close() || ::rename(path_.c_str(), target_.c_str()) != 0)
            return false;
        named_ = false;
        // The rename itself reaches the disk too.
        const Descriptor folder(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.valid())
            ::fsync(folder.get());
        return true;
    }

private:
    // A link can only be made to a name that is free, so the complete file gets a temporary
    // name first and then takes the target's place at once.
    bool nameUnnamed() {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = temporaryName(folder_, target_);
            if (::linkat(fd_.get(), "", AT_FDCWD, path_.c_str(), AT_EMPTY_PATH) == 0 ||
                ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path_.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                named_ = true;
                return true;
            }
            if (errno != EEXIST)
                break;
        }
        unsupported_ = true;
        return false;
    }

    fs::path folder_;
    fs::path target_;
    Descriptor fd_;
    std::string path_;
    bool named_ = false;
    bool unsupported_ = false;
};

// A replaced file keeps its owner and group where the program may set them (as root any owner,
// as a user a group it belongs to), and always its permissions, set last because a change of
// owner clears the set-user-ID bits.
bool keepOwnerAndMode(int fd, const struct stat& existing) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), existing.st_gid));
    return ::fchmod(fd, existing.st_mode & 07777) == 0;
}

enum class Outcome { Written, Failed, Unsupported };

struct Attempt {
    Outcome outcome;
    int error = 0; // errno of a failure, taken before any clean-up can change it
};

Attempt writeThrough(bool unnamed, const fs::path& folder, const fs::path& file,
                     const struct stat* existing, std::string_view contents) {
    NewFile temp(folder, file, existing != nullptr ? existing->st_mode & 07777 : 0666, unnamed);
    if (!temp.opened())
        return {temp.unsupported() ? Outcome::Unsupported : Outcome::Failed, errno};
    if (!writeAll(temp.fd(), contents) ||
        (existing != nullptr && !keepOwnerAndMode(temp.fd(), *existing)) || ::fsync(temp.fd()) != 0)
        return {Outcome::Failed, errno};
    if (temp.replaceTarget())
        return {Outcome::Written};
    return {temp.unsupported() ? Outcome::Unsupported : Outcome::Failed, errno};
}

} // namespace

WriteResult writeFileAtomically(const fs::path& target, std::string_view contents) {
    std::error_code ec;
    fs::path file = target;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            file = resolved;
    }

    struct stat existing {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return WriteResult::failure(errnoText(errno));
    if (exists) {
        // A device or a FIFO under the file's name is never replaced by a file.
        if (!S_ISREG(existing.st_mode))
            return WriteResult::failure(notAFile(existing.st_mode));
        if ((existing.st_mode & 0777) == 0)
            return WriteResult::failure("its permissions (000) let nobody read or write it");
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return WriteResult::failure("the file is read-only");
        if (::access(file.c_str(), W_OK) != 0)
            return WriteResult::failure(errnoText(errno));
    }

    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const struct stat* old = exists ? &existing : nullptr;
    Attempt attempt = writeThrough(true, folder, file, old, contents);
    if (attempt.outcome == Outcome::Unsupported)
        attempt = writeThrough(false, folder, file, old, contents);
    if (attempt.outcome != Outcome::Written)
        return WriteResult::failure(errnoText(attempt.error));
    return WriteResult::success();
}

ReadResult readRegularFile(const fs::path& file, std::size_t maxBytes) {
    return readRegular(file, maxBytes, false);
}

ReadResult readRegularFileStart(const fs::path& file, std::size_t maxBytes) {
    return readRegular(file, maxBytes, true);
}

} // namespace kestrune
