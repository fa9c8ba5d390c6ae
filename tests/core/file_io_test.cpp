// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/file_io.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_folder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    ASSERT_TRUE(writeFileAtomically(file, "first\n").ok);
    EXPECT_EQ(readBytes(file), "first\n");
    ASSERT_TRUE(writeFileAtomically(file, "").ok);
    EXPECT_EQ(readBytes(file), "");
    EXPECT_EQ(filesIn(folder.path()), 1U) << "no temporary file is left behind";
}

TEST(WriteFileAtomically, KeepsThePermissionsOwnerAndGroupOfTheFileItReplaces) {
    TempFolder folder;
    const fs::path file = folder / "list.dta";
    writeBytes(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    // Another user's file, where the program may give it back (as root): "nobody".
    const bool mayChown = ::geteuid() == 0 && ::chown(file.c_str(), 65534, 65534) == 0;
    ASSERT_TRUE(writeFileAtomically(file, "new").ok);
    EXPECT_EQ(readBytes(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    if (mayChown) {
        EXPECT_EQ(info.st_uid, 65534U);
        EXPECT_EQ(info.st_gid, 65534U);
    }
}

TEST(WriteFileAtomically, WritesThroughASymbolicLink) {
    TempFolder folder;
    const fs::path real = folder / "real.dta";
    const fs::path link = folder / "link.dta";
    writeBytes(real, "old");
    fs::create_symlink(real, link);
    ASSERT_TRUE(writeFileAtomically(link, "new").ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(real), "new");
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

    const WriteResult result = writeFileAtomically(target, "new contents\n");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, c.reason);
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
                    "No such file or directory"},
        RefusedCase{"folder_is_a_file", [](const fs::path& f) { writeBytes(f / "plain", "x"); },
                    "plain/kes.dta", "Not a directory"},
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
                    "kes.cfg", "its permissions (000) let nobody read or write it"}),
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
    const WriteResult result = writeFileAtomically(file, std::string(100000, 'n'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.ok);
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

// Every byte of a file, or no file, or a reason (folders, FIFOs, devices and files too large are
// rows of the hostile files' table); an error part way is no shortened success.
TEST(ReadRegularFile, ReadsAFileWholeOrSaysWhyNot) {
    TempFolder folder;
    const std::string bytes("a\r\nb\0c\xff", 7);
    writeBytes(folder / "f", bytes);
    fs::create_symlink(folder / "gone", folder / "link");
    const ReadResult whole = readRegularFile(folder / "f", 1024);
    EXPECT_TRUE(whole.read());
    EXPECT_EQ(whole.contents, bytes);
    EXPECT_EQ(readRegularFile(folder / "missing", 1024).status, ReadResult::Status::Missing);
    EXPECT_EQ(readRegularFile(folder / "link", 1024).status, ReadResult::Status::Missing);
    // The process's own memory fails at its first page: a read error of a regular file.
    const ReadResult broken = readRegularFile("/proc/self/mem", 1024);
    EXPECT_EQ(broken.reason, "Input/output error");
    EXPECT_TRUE(broken.contents.empty());
}

} // namespace
} // namespace kestrune
