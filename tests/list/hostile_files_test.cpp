// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Files nobody meant to be list or settings files: no crash, no hang, every byte accounted for,
// and memory in proportion to the file.

#include "list/list_files.h"
#include "settings/settings_file.h"
#include "tests/support/case_name.h"
#include "tests/support/child_process.h"
#include "tests/support/disk_files.h"
#include "tests/support/temp_folder.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace kestrune {
namespace {

test::DiskFiles disk;

using test::PrintTo;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

std::string randomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xff);
    return bytes;
}

TEST(HostileListFiles, BinaryGarbageLoadsAsRowsAndSavesBackStable) {
    TempFolder folder;
    writeBytes(folder / "garbage.dta", randomBytes(std::size_t{1} << 20, 1));
    MotorListBuffer buffer;
    ASSERT_TRUE(readListFile(buffer, disk(folder / "garbage.dta")).done());
    ASSERT_FALSE(buffer.rows.empty());
    ASSERT_TRUE(writeListFile(buffer, disk(folder / "saved.dta")).done());
    MotorListBuffer again;
    ASSERT_TRUE(readListFile(again, disk(folder / "saved.dta")).done());
    EXPECT_EQ(again.rows, buffer.rows);
}

struct HostileCase {
    const char* name;
    void (*prepare)(const std::filesystem::path& file);
    const char* listReason;     // why the list file is refused; "" when it is read
    const char* settingsReason; // the same for the settings file
};

class HostileFileNamedKes : public testing::TestWithParam<HostileCase> {};

// Whatever stands under the list file's or the settings file's name is read, or refused with a
// reason, at once: no hang on a FIFO, no endless read of a device, no gigabytes in memory. The
// settings come out as the defaults when the file is refused.
TEST_P(HostileFileNamedKes, IsReadOrRefusedWithAReason) {
    const HostileCase& c = GetParam();
    TempFolder folder;
    for (const char* name : {"kes.dta", "kes.cfg"}) {
        c.prepare(folder / name);
        const bool settings = std::string_view(name) == "kes.cfg";
        MotorListBuffer buffer;
        CalcState state;
        const FileResult result = settings ? loadSettings(state, disk(folder / name))
                                           : readListFile(buffer, disk(folder / name));
        const std::string_view reason = settings ? c.settingsReason : c.listReason;
        EXPECT_EQ(result.status,
                  reason.empty() ? FileResult::Status::Done : FileResult::Status::Failed)
            << name;
        EXPECT_EQ(result.reason, reason) << name;
        if (settings && result.failed()) {
            EXPECT_EQ(state.table.turns, kDefaultCalibration.turns);
            EXPECT_EQ(state.table.torque, kDefaultCalibration.torque);
        }
    }
}

void makeSocket(const std::filesystem::path& file) {
    sockaddr_un address{AF_UNIX, {}};
    file.string().copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << file;
    ::close(fd);
}

void bigSparseFile(const std::filesystem::path& file, std::uintmax_t size) {
    writeBytes(file, "TanII\n");
    std::filesystem::resize_file(file, size);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileFileNamedKes,
    testing::Values(
        HostileCase{"fifo", [](const std::filesystem::path& f) { ::mkfifo(f.c_str(), 0644); },
                    "it is a named pipe, not a file", "it is a named pipe, not a file"},
        HostileCase{"folder",
                    [](const std::filesystem::path& f) { std::filesystem::create_directory(f); },
                    "it is a folder", "it is a folder"},
        HostileCase{
            "link_to_dev_zero",
            [](const std::filesystem::path& f) { std::filesystem::create_symlink("/dev/zero", f); },
            "it is a device, not a file", "it is a device, not a file"},
        HostileCase{"socket", makeSocket, "it is a socket, not a file",
                    "it is a socket, not a file"},
        HostileCase{
            "device_without_a_reader",
            [](const std::filesystem::path& f) { std::filesystem::create_symlink("/dev/tty", f); },
            "it is a device, not a file", "it is a device, not a file"},
        HostileCase{
            "sparse_gigabyte",
            [](const std::filesystem::path& f) { bigSparseFile(f, std::uintmax_t{1} << 30); },
            "it is larger than 64 MiB", "its first 6 lines take more than 64 KiB"},
        HostileCase{
            "hundred_megabytes",
            [](const std::filesystem::path& f) { bigSparseFile(f, std::uintmax_t{100} << 20); },
            "it is larger than 64 MiB", "its first 6 lines take more than 64 KiB"}),
    test::CaseName());

// From here on the process may map no more than extra bytes beyond what it has mapped already.
void limitMemory(std::size_t extra) {
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t bytes = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + extra;
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_AS, &limit);
}

// Where memory is limited, a list file is read or refused with a reason, never the end of the
// program: 64 MiB of empty lines for their count, ordinary rows when the memory left is short.
TEST(HostileListFiles, AreReadWithinTheMemoryLeftOrRefused) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer maps its memory up front: it cannot be limited";
#endif
    TempFolder folder;
    const std::string ordinary =
        formatListText(std::vector<std::string>(2'300'000, "TanII\t1/8\"\t14\t20\"\t80%\t646\tNA"));
    const struct {
        std::string text;
        std::size_t memoryMiB; // beyond what the reader has
        const char* reason;
    } cases[] = {{std::string(kMaxListFileBytes, '\n'), 512,
                  "it has more than 4 million lines, more than any motor list"},
                 {ordinary, 512, ""},
                 {ordinary, 160, "there is not enough memory to read it"}};
    for (const auto& c : cases) {
        writeBytes(folder / "kes.dta", c.text);
        EXPECT_EQ(test::inChild([&] {
                      limitMemory(c.memoryMiB << 20);
                      MotorListBuffer buffer;
                      return readListFile(buffer, disk(folder / "kes.dta")).reason;
                  }),
                  c.reason)
            << c.memoryMiB;
    }
}

TEST(HostileListFiles, ATenMegabyteLineIsOneRow) {
    TempFolder folder;
    const std::string line(std::size_t{10} << 20, 'L');
    writeBytes(folder / "line.dta", line);
    MotorListBuffer buffer;
    ASSERT_TRUE(readListFile(buffer, disk(folder / "line.dta")).done());
    ASSERT_EQ(buffer.rows.size(), 1U);
    EXPECT_EQ(buffer.rows[0].size(), line.size());
    ASSERT_TRUE(writeListFile(buffer, disk(folder / "line.dta")).done());
    EXPECT_EQ(readBytes(folder / "line.dta"), line + '\n');
}

TEST(HostileSettingsFiles, AMillionLinesGiveTheFirstSix) {
    TempFolder folder;
    std::string text = "101\n1\n2\n3.00\n4.00\n5.00\n";
    for (int i = 0; i < 1'000'000; ++i)
        text += "999\n";
    writeBytes(folder / "kes.cfg", text);
    CalcState state;
    loadSettings(state, disk(folder / "kes.cfg"));
    EXPECT_EQ(state.table.turns, (std::array<double, 3>{101, 1, 2}));
    EXPECT_EQ(state.table.torque, (std::array<double, 3>{3, 4, 5}));
}

TEST(HostileSettingsFiles, GarbageGivesFiniteConstants) {
    for (unsigned seed = 0; seed < 50; ++seed) {
        const CalibrationTable table = parseSettings(randomBytes(4096, seed));
        for (double constant : table.turns)
            ASSERT_TRUE(std::isfinite(constant));
        for (double constant : table.torque)
            ASSERT_TRUE(std::isfinite(constant));
    }
}

// Names as users give them: spaces, quotes and letters beyond ASCII, in folder and file.
TEST(HostileNames, FilesWithAnyNameAreWrittenAndRead) {
    TempFolder folder;
    const std::filesystem::path place = folder / "Modelle \"Sommer\" 2026 – ñandú";
    std::filesystem::create_directory(place);
    const std::filesystem::path list = place / "Flügel 'Ø 10' #1.dta";
    MotorListBuffer buffer{{"TanII\t1/8\"\t14\t20\"\t80%\t646\tNA"}};
    ASSERT_TRUE(writeListFile(buffer, disk(list)).done());
    MotorListBuffer loaded;
    ASSERT_TRUE(readListFile(loaded, disk(list)).done());
    EXPECT_EQ(loaded.rows, buffer.rows);

    CalcState state;
    state.table = {{112, 0, 0}, {2.5, 0, 0}};
    ASSERT_TRUE(saveSettings(state, disk(place / "kes.cfg")).done());
    CalcState restarted;
    loadSettings(restarted, disk(place / "kes.cfg"));
    EXPECT_EQ(restarted.table.torque[0], 2.5);
    EXPECT_EQ(chosenListFile(place / "Flügel ohne Punkt").name, "Flügel ohne Punkt.dta");
}

} // namespace
} // namespace kestrune
