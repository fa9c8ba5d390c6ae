#include "core/file_io.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_folder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
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

TEST(WriteFileAtomically, CreatesAndReplacesWholeFiles) {
    TempFolder folder;
    const fs::path file = folder / "kes.cfg";
    ASSERT_TRUE(writeFileAtomically(file, "first\n").ok);
    EXPECT_EQ(readBytes(file), "first\n");
    ASSERT_TRUE(writeFileAtomically(file, "").ok);
    EXPECT_EQ(readBytes(file), "");
    EXPECT_EQ(filesIn(folder.path()), 1U) << "no temporary file is left behind";
}

TEST(WriteFileAtomically, KeepsThePermissionsOfTheFileItReplaces) {
    TempFolder folder;
    const fs::path file = folder / "list.dta";
    writeBytes(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(writeFileAtomically(file, "new").ok);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
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
    const std::string before = existed ? readBytes(target) : "";

    const WriteResult result = writeFileAtomically(target, "new contents\n");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, c.reason);
    if (existed) {
        EXPECT_EQ(readBytes(target), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteFileAtomicallyRefuses,
    ::testing::Values(RefusedCase{"read_only_file",
                                  [](const fs::path& f) {
                                      writeBytes(f / "kes.cfg", "107\n");
                                      fs::permissions(f / "kes.cfg", fs::perms::owner_read);
                                  },
                                  "kes.cfg", "the file is read-only"},
                      RefusedCase{"missing_folder", [](const fs::path&) {},
                                  "no/such/folder/kes.dta", "No such file or directory"},
                      RefusedCase{"folder_is_a_file",
                                  [](const fs::path& f) { writeBytes(f / "plain", "x"); },
                                  "plain/kes.dta", "Not a directory"},
                      RefusedCase{"target_is_a_folder",
                                  [](const fs::path& f) { fs::create_directory(f / "kes.dta"); },
                                  "kes.dta", "it is a folder"}),
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
        // Kill it as soon as its temporary file is there; a write that finished first is
        // tried again with more to write.
        int status = 0;
        bool finished = false;
        for (int waited = 0; waited < 20000 && filesIn(folder.path()) < 2; ++waited) {
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
    }
    EXPECT_TRUE(killedMidway) << "every write finished before it could be killed";
}

TEST(ReadWholeFile, ReadsBytesAndRefusesWhatIsNoFile) {
    TempFolder folder;
    const std::string bytes("a\r\nb\0c\xff", 7);
    writeBytes(folder / "f", bytes);
    EXPECT_EQ(readWholeFile(folder / "f"), bytes);
    EXPECT_FALSE(readWholeFile(folder / "missing").has_value());
    EXPECT_FALSE(readWholeFile(folder.path()).has_value());
}

} // namespace
} // namespace kestrune
