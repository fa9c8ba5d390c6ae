// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "file_io.h"

#include "descriptor.h"
#include "file_reasons.h"
#include "temporary_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <utility>

namespace kestrune {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

FileResult readFailure(const fs::path& file, int error) {
    return FileResult::failure(fileFailureReason(file, error, FileAccess::Read));
}

// Opens a regular file to read: Done with fd open and info filled, or why not (Missing or
// Failed). What it found is stamped into found, when given.
FileResult openRegular(const fs::path& file, Descriptor& fd, struct stat& info, FileStamp* found) {
    const auto failed = [&](int error) {
        if (found != nullptr)
            *found = fileStampAt(file);
        return error == ENOENT ? FileResult::missingFile() : readFailure(file, error);
    };
    // Non-blocking, so that opening a FIFO does not wait for a writer that never comes.
    fd.reset(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return failed(errno);
    if (::fstat(fd.get(), &info) != 0)
        return failed(errno);
    if (found != nullptr)
        *found = fileStamp(info);
    if (!S_ISREG(info.st_mode))
        return FileResult::failure(notAFileReason(info.st_mode));
    return {};
}

FileResult readRegular(const fs::path& file, std::string& out, std::size_t maxBytes,
                       std::size_t lines, FileStamp* found) {
    const auto failure = [&file](int error) { return readFailure(file, error); };
    Descriptor fd;
    struct stat info {};
    if (FileResult opened = openRegular(file, fd, info, found); !opened.done())
        return opened;
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    FileResult tooLarge = lines == 0 ? FileResult::tooLargeToRead(tooLargeReason(maxBytes), size)
                                     : FileResult::failure(linesTooLargeReason(lines, maxBytes));
    if (lines == 0 && size > maxBytes)
        return tooLarge;

    try {
        // One byte more than allowed shows a file that grew past the limit while it was read.
        const std::size_t wanted = maxBytes + 1;
        std::string contents;
        // Room for the file as large as it says it is, and the byte that finds its end: reading
        // into more would make the string grow to twice the file just to be told it ended.
        contents.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)) + 1);
        std::size_t lineEnds = 0;
        while (contents.size() < wanted && (lines == 0 || lineEnds < lines)) {
            const std::size_t start = contents.size();
            constexpr std::size_t kChunk = std::size_t{64} * 1024;
            const std::size_t room =
                contents.capacity() > start ? contents.capacity() - start : kChunk;
            contents.resize(start + std::min({kChunk, room, wanted - start}));
            const ssize_t got = ::read(fd.get(), contents.data() + start, contents.size() - start);
            contents.resize(start + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return failure(errno);
            if (got == 0)
                break;
            lineEnds += static_cast<std::size_t>(std::count(
                contents.begin() + static_cast<std::ptrdiff_t>(start), contents.end(), '\n'));
        }
        // The contents end after the last line asked for, or with the file.
        std::size_t end = 0;
        std::size_t ended = 0;
        while (ended < lines && (end = contents.find('\n', end)) != std::string::npos) {
            ++ended;
            ++end;
        }
        if (ended < lines || lines == 0)
            end = contents.size();
        if (end > maxBytes)
            return tooLarge;
        contents.resize(end);
        if (contents.starts_with(kByteOrderMark))
            contents.erase(0, kByteOrderMark.size());
        out = std::move(contents);
        return {};
    } catch (const std::bad_alloc&) {
        return FileResult::failure(kNoMemoryToRead);
    }
}

// Where a write to path lands: the file itself, or the file a symbolic link names, through any
// chain of links and also when that file is not there yet. A relative link names a file of the
// link's own folder.
bool followLinks(fs::path& path, int& error) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        std::error_code ec;
        const fs::path named = fs::read_symlink(path, ec);
        if (ec) {
            error = ec.value();
            return false;
        }
        path = named.is_absolute() ? named : path.parent_path() / named;
    }
    error = ELOOP;
    return false;
}

// Extended attributes carry access control lists and security labels: the new file gets those
// of the old one, as far as the program may set them.
void copyExtendedAttributes(const fs::path& from, int to) {
    ssize_t size = ::listxattr(from.c_str(), nullptr, 0);
    std::string names(static_cast<std::size_t>(std::max<ssize_t>(size, 0)), '\0');
    size = size > 0 ? ::listxattr(from.c_str(), names.data(), names.size()) : 0;
    names.resize(static_cast<std::size_t>(std::max<ssize_t>(size, 0)));
    std::string value;
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        const char* name = names.c_str() + at;
        const ssize_t length = ::getxattr(from.c_str(), name, nullptr, 0);
        value.resize(static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
        if (length >= 0 && ::getxattr(from.c_str(), name, value.data(), value.size()) == length)
            static_cast<void>(::fsetxattr(to, name, value.data(), value.size(), 0));
    }
}

// A replaced file keeps its owner and group where the program may set them (as root any owner,
// as a user a group it belongs to), its extended attributes, and always its permissions, set
// last because a change of owner clears the set-user-ID bits and an access control list sets
// the group's.
bool keepAttributes(int fd, const fs::path& old, const struct stat& existing) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), existing.st_gid));
    copyExtendedAttributes(old, fd);
    return ::fchmod(fd, existing.st_mode & 07777) == 0;
}

} // namespace

FileResult writeFileAtomically(const fs::path& target, std::string_view contents) {
    bool given = false;
    return writeFileAtomically(target, [&]() -> std::string_view {
        return std::exchange(given, true) ? std::string_view() : contents;
    });
}

FileResult writeFileAtomically(const fs::path& target, const PieceSource& next,
                               std::size_t maxBytes, FileStamp* written) {
    fs::path file = target;
    int error = 0;
    if (!followLinks(file, error))
        return FileResult::failure(fileFailureReason(target, error, FileAccess::Write));
    const auto failure = [&file](int why) {
        return FileResult::failure(fileFailureReason(file, why, FileAccess::Write));
    };

    struct stat existing {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return failure(errno);
    if (exists) {
        // A device or a FIFO under the file's name is never replaced by a file.
        if (!S_ISREG(existing.st_mode))
            return FileResult::failure(notAFileReason(existing.st_mode));
        // A file its owner marked read-only stays so, also for a user the system lets write it.
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return FileResult::failure(kReadOnlyFileReason);
        if (::access(file.c_str(), W_OK) != 0)
            return failure(errno);
    }

    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string name = file.filename().string();
    removeStaleTemporaryFiles(folder, name);
    TemporaryFile temp(folder, name, exists ? existing.st_mode & 07777 : 0666);
    if (!temp.valid())
        return failure(temp.error());
    std::size_t total = 0;
    for (std::string_view piece = next(); !piece.empty(); piece = next()) {
        total += piece.size();
        if (total > maxBytes || total < piece.size())
            return FileResult::failure(tooLargeToWriteReason(maxBytes));
        if (!temp.write(piece))
            return failure(temp.error());
    }
    if (exists && !keepAttributes(temp.fd(), file, existing))
        return failure(errno);
    // Taken before it is in place, so that a writer that comes right after is told apart.
    struct stat info {};
    const bool stamped = ::fstat(temp.fd(), &info) == 0;
    if (!temp.commit(file))
        return failure(temp.error());
    if (written != nullptr)
        *written = stamped ? fileStamp(info) : FileStamp{};
    return {};
}

FileResult readRegularFile(const fs::path& file, std::string& contents, std::size_t maxBytes,
                           FileStamp* found) {
    return readRegular(file, contents, maxBytes, 0, found);
}

FileResult readRegularFileLines(const fs::path& file, std::string& contents, std::size_t lines,
                                std::size_t maxBytes, FileStamp* found) {
    return readRegular(file, contents, maxBytes, lines, found);
}

FileResult readRegularFilePieces(const fs::path& file, std::size_t maxBytes, const PieceTaker& take,
                                 FileStamp* found) {
    Descriptor fd;
    struct stat info {};
    if (FileResult opened = openRegular(file, fd, info, found); !opened.done())
        return opened;
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    const auto tooLarge = [maxBytes, size](std::uintmax_t read) {
        return FileResult::tooLargeToRead(tooLargeReason(maxBytes), std::max(size, read));
    };
    if (size > maxBytes)
        return tooLarge(size);
    try {
        constexpr std::size_t kChunk = std::size_t{64} * 1024;
        std::string untaken;
        std::size_t total = 0;
        bool started = false; // past the place of a byte-order mark
        bool wantsMore = false;
        for (bool end = false; !end;) {
            // What take could not use yet is read again with at least as much after it, so
            // that a long record costs reading its bytes a few times, not once per chunk.
            const std::size_t start = untaken.size();
            // A record of megabytes is held whole anyway: room for the rest of the file at once,
            // rather than the record copied each time its room is doubled.
            if (wantsMore && start >= kChunk * 16)
                untaken.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)) +
                                1);
            untaken.resize(start + (wantsMore ? std::max(kChunk, start) : kChunk));
            const ssize_t got = ::read(fd.get(), untaken.data() + start, untaken.size() - start);
            untaken.resize(start + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return readFailure(file, errno);
            end = got == 0;
            total += static_cast<std::size_t>(got);
            // One byte more than allowed shows a file that grew past the limit while it was read.
            if (total > maxBytes)
                return tooLarge(total);
            if (!started && (untaken.size() >= kByteOrderMark.size() || end)) {
                if (std::string_view(untaken).starts_with(kByteOrderMark))
                    untaken.erase(0, kByteOrderMark.size());
                started = true;
            }
            if (!started)
                continue;
            const std::size_t taken = std::min(take(untaken, end), untaken.size());
            wantsMore = taken == 0;
            untaken.erase(0, taken);
        }
        return {};
    } catch (const std::bad_alloc&) {
        return FileResult::failure(kNoMemoryToRead);
    }
}

} // namespace kestrune
