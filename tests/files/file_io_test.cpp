// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "files/disk_file.h"
#include "files/file_io.h"
#include "files/temporary_file.h"
#include "tests/support/case_name.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace kestrune {
namespace {

using test::PrintTo;

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

std::size_t filesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// The process has a file of the folder open for writing, named or unnamed.
bool writesInto(pid_t process, const fs::path& folder) {
    std::error_code ec;
    for (const auto& entry :
         fs::directory_iterator("/proc/" + std::to_string(process) + "/fd", ec)) {
        const std::string target = fs::read_symlink(entry.path(), ec).string();
        if (!ec && target.rfind(folder.string() + "/", 0) == 0)
            return true;
    }
    return false;
}

TEST(WriteFileAtomically, CreatesAndReplacesWholeFiles) {
    TempFolder folder;
    const fs::path file = folder / "kes.cfg";
    ASSERT_TRUE(writeFileAtomically(file, "first\n").done());
    EXPECT_EQ(readBytes(file), "first\n");
    ASSERT_TRUE(writeFileAtomically(file, "").done());
    EXPECT_EQ(readBytes(file), "");
    EXPECT_EQ(filesIn(folder.path()), 1U) << "no temporary file is left behind";
}

// A temporary name keeps only what fits of the target's name.
TEST(WriteFileAtomically, SavesUnderAnyNameTheFolderTakes) {
    TempFolder folder;
    for (const std::size_t length : {246U, 255U})
        EXPECT_TRUE(writeFileAtomically(folder / std::string(length, 'n'), "x").done()) << length;
    EXPECT_EQ(filesIn(folder.path()), 2U);
}

TEST(WriteFileAtomically, KeepsThePermissionsOwnerAndGroupOfTheFileItReplaces) {
    TempFolder folder;
    const fs::path file = folder / "list.dta";
    writeBytes(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    // Another user's file, where the program may give it back (as root): "nobody".
    const bool mayChown = ::geteuid() == 0 && ::chown(file.c_str(), 65534, 65534) == 0;
    // Access control lists and security labels are extended attributes, as this one is.
    const bool labelled = ::setxattr(file.c_str(), "user.kestrune", "label", 5, 0) == 0;
    ASSERT_TRUE(writeFileAtomically(file, "new").done());
    std::string label(5, '\0');
    if (labelled) {
        EXPECT_EQ(::getxattr(file.c_str(), "user.kestrune", label.data(), 5) == 5 ? label : "",
                  "label");
    }
    EXPECT_EQ(readBytes(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    if (mayChown) {
        EXPECT_EQ(info.st_uid, 65534U);
        EXPECT_EQ(info.st_gid, 65534U);
    }
}

// A link stays and the file it names is written, also one not there yet; a relative link names a
// file beside the link.
TEST(WriteFileAtomically, KeepsLinksAndWritesTheFileTheyName) {
    const struct {
        std::vector<const char*> chain; // the name written to, each link naming the next, the file
        bool fileExists;
    } cases[] = {{{"link.dta", "real.dta"}, true},
                 {{"kes.cfg", "sub/real.cfg"}, false},
                 {{"a.dta", "b.dta", "sub/c.dta"}, false}};
    for (const auto& c : cases) {
        TempFolder folder;
        fs::create_directory(folder / "sub");
        if (c.fileExists)
            writeBytes(folder / c.chain.back(), "old");
        for (std::size_t i = 0; i + 1 < c.chain.size(); ++i) // the first absolute, then relative
            fs::create_symlink(i == 0 ? folder / c.chain[1] : c.chain[i + 1], folder / c.chain[i]);
        ASSERT_TRUE(writeFileAtomically(folder / c.chain[0], "new").done()) << c.chain[0];
        EXPECT_TRUE(fs::is_symlink(folder / c.chain[0]));
        EXPECT_EQ(readBytes(folder / c.chain.back()), "new");
    }
}

struct RefusedCase {
    const char* name;
    void (*prepare)(const fs::path& folder);
    const char* target;
    const char* reason;
};

class WriteFileAtomicallyRefuses : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(WriteFileAtomicallyRefuses, LeavesTheOldFileAndSaysWhy) {
    const RefusedCase& c = GetParam();
    TempFolder folder;
    c.prepare(folder.path());
    const fs::path target = folder / c.target;
    const bool existed = fs::is_regular_file(target);
    const fs::file_type kind = fs::symlink_status(target).type();
    const std::string before = existed ? readBytes(target) : "";

    // As a user whom permissions bind, also where the tests run as root.
    std::string reason = test::inChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return std::string("still root");
        return writeFileAtomically(target, "new contents\n").reason;
    });
    if (const std::size_t at = reason.find(folder.path().string()); at != std::string::npos)
        reason.replace(at, folder.path().string().size(), "<folder>");
    EXPECT_EQ(reason, c.reason);
    if (existed) {
        EXPECT_EQ(readBytes(target), before);
    }
    EXPECT_EQ(fs::symlink_status(target).type(), kind) << "what stood there is still there";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteFileAtomicallyRefuses,
    ::testing::Values(
        RefusedCase{"read_only_file",
                    [](const fs::path& f) {
                        writeBytes(f / "kes.cfg", "107\n");
                        fs::permissions(f / "kes.cfg", fs::perms::owner_read);
                    },
                    "kes.cfg", "the file is read-only"},
        RefusedCase{"missing_folder", [](const fs::path&) {}, "no/such/folder/kes.dta",
                    "the folder \"<folder>/no\" does not exist"},
        RefusedCase{"folder_is_a_file", [](const fs::path& f) { writeBytes(f / "plain", "x"); },
                    "plain/kes.dta", "\"<folder>/plain\" is not a folder"},
        RefusedCase{"read_only_folder",
                    [](const fs::path& f) {
                        writeBytes(f / "kes.cfg", "107\n");
                        fs::permissions(f / "kes.cfg", fs::perms::all);
                        fs::permissions(f, fs::perms::owner_write, fs::perm_options::remove);
                    },
                    "kes.cfg", "the folder \"<folder>\" is read-only"},
        RefusedCase{"target_is_a_folder",
                    [](const fs::path& f) { fs::create_directory(f / "kes.dta"); }, "kes.dta",
                    "it is a folder"},
        RefusedCase{"target_is_a_fifo",
                    [](const fs::path& f) { ::mkfifo((f / "kes.dta").c_str(), 0644); }, "kes.dta",
                    "it is a named pipe, not a file"},
        RefusedCase{"link_to_a_device",
                    [](const fs::path& f) { fs::create_symlink("/dev/null", f / "kes.cfg"); },
                    "kes.cfg", "it is a device, not a file"},
        RefusedCase{"permissions_000",
                    [](const fs::path& f) {
                        writeBytes(f / "kes.cfg", "107\n");
                        fs::permissions(f / "kes.cfg", fs::perms::none);
                    },
                    "kes.cfg", "the file is read-only"}),
    test::CaseName());

// A write cut short (here by a file-size limit, as a full disk would) must leave the old file.
TEST(WriteFileAtomically, AWriteCutShortLeavesTheOldFileWhole) {
    TempFolder folder;
    const fs::path file = folder / "kes.dta";
    const std::string old(1000, 'o');
    writeBytes(file, old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult result = writeFileAtomically(file, std::string(100000, 'n'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.done());
    EXPECT_EQ(result.reason, "File too large");
    EXPECT_EQ(readBytes(file), old);
    EXPECT_EQ(filesIn(folder.path()), 1U);
}

// The process ended in the middle of a write (killed, or the power gone before the rename):
// the file keeps its old bytes.
TEST(WriteFileAtomically, AProcessKilledInTheMiddleLeavesTheOldFile) {
    TempFolder folder;
    const fs::path file = folder / "kes.dta";
    const std::string old = "TanII\t1/8\"\t14\t20\"\t80%\t646\tNA\n";
    writeBytes(file, old);

    bool killedMidway = false;
    for (std::size_t size = std::size_t{256} << 20; !killedMidway && size <= (std::size_t{1} << 30);
         size *= 2) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            writeFileAtomically(file, std::string(size, 'n'));
            ::_exit(0);
        }
        // Kill it as soon as it has a new file open in the folder (unnamed or not); a write that
        // finished first is tried again with more to write.
        int status = 0;
        bool finished = false;
        for (int waited = 0; waited < 20000 && !writesInto(child, folder.path()); ++waited) {
            finished = ::waitpid(child, &status, WNOHANG) == child;
            if (finished)
                break;
            ::usleep(100);
        }
        if (finished) {
            writeBytes(file, old);
            continue;
        }
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        killedMidway = WIFSIGNALED(status);
        EXPECT_EQ(readBytes(file), old);
        EXPECT_EQ(filesIn(folder.path()), 1U) << "a temporary file was left behind";
    }
    EXPECT_TRUE(killedMidway) << "every write finished before it could be killed";
}

// Temporary files of the target that no writer holds any more are removed when it is next
// written; another writer's file, a user's file and other targets' files stay.
TEST(WriteFileAtomically, RemovesOnlyStaleTemporaryFilesOfItsTarget) {
    TempFolder folder;
    const fs::path target = folder / "kes.dta";
    constexpr auto named = TemporaryFile::Kind::Named;
    EXPECT_EQ(test::inChild([&] { // a writer killed part way
                  const TemporaryFile killed(folder.path(), "kes.dta", 0644, named);
                  ::raise(SIGKILL);
                  return std::string();
              }),
              "killed by signal 9");
    // Left by hand as a killed writer leaves it, and names that only look alike.
    writeBytes(folder / ".kes.dta.kestrune-0a1b2c3d", "partial");
    for (const char* name :
         {".kes.dta.original", ".kes.dta.kestrune-0A1B2C3D", ".kes.cfg.kestrune-0a1b2c3d"})
        writeBytes(folder / name, "partial");
    TemporaryFile live(folder.path(), "kes.dta", 0644, named); // another writer at work
    ASSERT_TRUE(live.write("from the other writer\n"));
    ASSERT_EQ(filesIn(folder.path()), 6U);

    ASSERT_TRUE(writeFileAtomically(target, "mine\n").done());
    EXPECT_TRUE(live.commit(target)) << "the other writer still saves";
    EXPECT_EQ(readBytes(target), "from the other writer\n");
    EXPECT_EQ(filesIn(folder.path()), 4U) << "the target and the look-alikes";
}

// Every byte of a file, or no file, or a reason (folders, FIFOs, devices and files too large are
// rows of the hostile files' table); an error part way is no shortened success.
TEST(ReadRegularFile, ReadsAFileWholeOrSaysWhyNot) {
    TempFolder folder;
    const std::string bytes("a\r\nb\0c\xff", 7);
    writeBytes(folder / "f", bytes);
    fs::create_symlink(folder / "gone", folder / "link");
    std::string whole;
    EXPECT_TRUE(readRegularFile(folder / "f", whole, 1024).done());
    EXPECT_EQ(whole, bytes);
    std::string none;
    EXPECT_TRUE(readRegularFile(folder / "missing", none, 1024).missing());
    EXPECT_TRUE(readRegularFile(folder / "link", none, 1024).missing());
    // The process's own memory fails at its first page: a read error of a regular file.
    const FileResult broken = readRegularFile("/proc/self/mem", none, 1024);
    // A byte-order mark some editors put first is not part of the text.
    writeBytes(folder / "bom", "\uFEFF107\n0\n");
    std::string bom, firstLine;
    readRegularFile(folder / "bom", bom, 1024);
    readRegularFileLines(folder / "bom", firstLine, 1, 1024);
    EXPECT_EQ(bom + firstLine, "107\n0\n107\n");
    EXPECT_EQ(broken.reason, "Input/output error");
    EXPECT_TRUE(none.empty());
    // In pieces: what is not taken comes again with more after it, all of it at the end.
    const std::string big = "\uFEFF" + std::string(200'000, 'x') + "\n";
    writeBytes(folder / "big", big);
    for (const std::size_t most : {std::size_t{0}, std::size_t{1}, std::size_t{70'000}}) {
        std::string got;
        const auto take = [&got, most](std::string_view text, bool end) {
            const std::size_t n = end ? text.size() : std::min(most, text.size());
            got += text.substr(0, n);
            return n;
        };
        EXPECT_TRUE(readRegularFilePieces(folder / "big", big.size(), take).done());
        EXPECT_EQ(got, big.substr(3)) << most;
        EXPECT_TRUE(readRegularFilePieces(folder / "big", big.size() - 1, take).failed());
        EXPECT_EQ(readRegularFilePieces("/proc/self/mem", 1024, take).reason, broken.reason);
    }
}

struct OutsideCase {
    const char* name;
    void (*change)(const fs::path& file);
    bool changed;
};
class DiskFileChanged : public ::testing::TestWithParam<OutsideCase> {};

// What another program does to a file after it was read or written is seen without reading it:
// its size, its time to the nanosecond, another file in its place; a change of permissions is no
// change of what it holds.
TEST_P(DiskFileChanged, ItsFileChangedSinceItWasReadOrWritten) {
    TempFolder folder;
    const fs::path path = folder / "kes-batches.csv";
    DiskFile file(path);
    std::string bytes;
    EXPECT_TRUE(file.changedSinceSeen()) << "never read";
    EXPECT_TRUE(file.read(bytes, 100).missing());
    EXPECT_FALSE(file.changedSinceSeen()) << "seen not to be there";
    ASSERT_TRUE(file.write("B1,2026\n").done());
    EXPECT_FALSE(file.changedSinceSeen()) << "its own write";
    GetParam().change(path);
    EXPECT_EQ(file.changedSinceSeen(), GetParam().changed);
    file.read(bytes, 100);
    EXPECT_FALSE(file.changedSinceSeen()) << "read again";
}

// Rewrites the file where it is, with as many bytes, and gives it a time a nanosecond after the
// one it had (a file system keeps them finer than the clock that sets them may tick).
void rewriteInPlace(const fs::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    const int fd = ::open(file.c_str(), O_WRONLY);
    EXPECT_EQ(::pwrite(fd, "B2", 2, 0), 2);
    timespec times[2] = {info.st_atim, info.st_mtim};
    times[1].tv_nsec = (times[1].tv_nsec + 1) % 1'000'000'000;
    ::futimens(fd, times);
    ::close(fd);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiskFileChanged,
    ::testing::Values(
        OutsideCase{"untouched", [](const fs::path&) {}, false},
        OutsideCase{"made_read_only",
                    [](const fs::path& f) { fs::permissions(f, fs::perms::owner_read); }, false},
        OutsideCase{"appended_to",
                    [](const fs::path& f) { std::ofstream(f, std::ios::app) << "FromA\n"; }, true},
        OutsideCase{"rewritten_a_nanosecond_later", rewriteInPlace, true},
        OutsideCase{"replaced_by_a_file_of_its_size_and_time",
                    [](const fs::path& f) {
                        writeBytes(f.string() + ".new", "B2,2026\n");
                        struct stat old {};
                        ::stat(f.c_str(), &old);
                        const timespec times[2] = {old.st_atim, old.st_mtim};
                        ::utimensat(AT_FDCWD, (f.string() + ".new").c_str(), times, 0);
                        fs::rename(f.string() + ".new", f);
                    },
                    true},
        OutsideCase{"removed", [](const fs::path& f) { fs::remove(f); }, true}),
    test::CaseName());

} // namespace
} // namespace kestrune
