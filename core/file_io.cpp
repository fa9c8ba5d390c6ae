#include "file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kestrune {
namespace fs = std::filesystem;
namespace {

std::string errnoText(int error) {
    return std::generic_category().message(error);
}

// Owns a file descriptor and, until released, the temporary file behind it.
class TempFile {
public:
    explicit TempFile(const fs::path& target) {
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        std::string name = ".";
        name += target.filename().string();
        name += ".XXXXXX";
        pattern_ = (folder / name).string();
        fd_ = ::mkstemp(pattern_.data());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!kept_)
            ::unlink(pattern_.c_str());
    }

    bool opened() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& path() const { return pattern_; }

    // Closes the descriptor; errors a lazily writing file system reports only now count too.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void keep() { kept_ = true; }

private:
    std::string pattern_;
    int fd_ = -1;
    bool kept_ = false;
};

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

mode_t defaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
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
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return WriteResult::failure("it is a folder");
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return WriteResult::failure("the file is read-only");
        if (::access(file.c_str(), W_OK) != 0)
            return WriteResult::failure(errnoText(errno));
    }

    TempFile temp(file);
    if (!temp.opened())
        return WriteResult::failure(errnoText(errno));
    const mode_t mode = exists ? static_cast<mode_t>(existing.st_mode & 07777) : defaultFileMode();
    if (!writeAll(temp.fd(), contents) || ::fchmod(temp.fd(), mode) != 0 || ::fsync(temp.fd()) != 0)
        return WriteResult::failure(errnoText(errno));
    if (!temp.close() || ::rename(temp.path().c_str(), file.c_str()) != 0)
        return WriteResult::failure(errnoText(errno));
    temp.keep();
    return WriteResult::success();
}

std::optional<std::string> readWholeFile(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string contents;
    if (S_ISREG(info.st_mode) && info.st_size > 0)
        contents.reserve(static_cast<std::size_t>(info.st_size));
    std::string chunk(std::size_t{64} * 1024, '\0');
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        contents.append(chunk.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return contents;
}

const fs::path& startDirectory() {
    static const fs::path folder = [] {
        std::error_code ec;
        fs::path here = fs::current_path(ec);
        return ec ? fs::path(".") : here;
    }();
    return folder;
}

} // namespace kestrune
