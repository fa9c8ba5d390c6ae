// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Files nobody meant to be list or settings files: no crash, no hang, every byte accounted for,
// and memory in proportion to the file.

#include "list/list_files.h"
#include "settings/settings_file.h"
#include "tests/support/case_name.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace kestrune {
namespace {

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
    ASSERT_TRUE(readListFile(buffer, folder / "garbage.dta").read());
    ASSERT_FALSE(buffer.rows.empty());
    ASSERT_TRUE(writeListFile(buffer, folder / "saved.dta").ok);
    MotorListBuffer again;
    ASSERT_TRUE(readListFile(again, folder / "saved.dta").read());
    EXPECT_EQ(again.rows, buffer.rows);
}

struct HostileCase {
    const char* name;
    void (*prepare)(const std::filesystem::path& file);
    const char* listReason;      // why the list file is refused; "" when it is read
    const char* settingsReason;  // the same for the settings file
    std::size_t memoryMiB = 512; // what the reader may take beyond what it has
};

#ifdef __SANITIZE_ADDRESS__
constexpr bool kMemoryCanBeLimited = false; // its shadow memory is mapped up front
#else
constexpr bool kMemoryCanBeLimited = true;
#endif

// From here on the process may map no more than extra bytes beyond what it has mapped already.
void limitMemory(std::size_t extra) {
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t bytes = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + extra;
    const rlimit limit{bytes, bytes};
    if (kMemoryCanBeLimited)
        ::setrlimit(RLIMIT_AS, &limit);
}

class HostileFileNamedKes : public testing::TestWithParam<HostileCase> {};

// Whatever stands under the list file's or the settings file's name is read, or refused with a
// reason, at once: no hang on a FIFO, no endless read of a device, no gigabytes in memory, and
// no end of the program where memory runs out. The settings come out as the defaults when the
// file is refused.
TEST_P(HostileFileNamedKes, IsReadOrRefusedWithAReason) {
    const HostileCase& c = GetParam();
    if (!kMemoryCanBeLimited && c.memoryMiB != HostileCase{}.memoryMiB)
        GTEST_SKIP() << "the memory cannot be limited in this build";
    TempFolder folder;
    for (const char* name : {"kes.dta", "kes.cfg"}) {
        c.prepare(folder / name);
        const bool settings = std::string_view(name) == "kes.cfg";
        const std::string reason = test::inChild([&] {
            limitMemory(c.memoryMiB << 20);
            MotorListBuffer buffer;
            CalcState state;
            const ReadResult result =
                settings ? loadSettings(state, folder / name) : readListFile(buffer, folder / name);
            const bool defaults = state.table.turns == kDefaultCalibration.turns &&
                                  state.table.torque == kDefaultCalibration.torque;
            if (result.read() != result.reason.empty() ||
                (settings && result.failed() && !defaults))
                return "read " + std::to_string(static_cast<int>(result.status)) + ": " +
                       result.reason;
            return result.reason;
        });
        EXPECT_EQ(reason, settings ? c.settingsReason : c.listReason) << name;
    }
}

void ordinaryRows(const std::filesystem::path& file) {
    std::string rows;
    while (rows.size() < (std::size_t{64} << 20) - 32)
        rows += "TanII\t1/8\"\t14\t20\"\t80%\t646\tNA\n";
    writeBytes(file, rows);
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
        HostileCase{"socket", test::makeSocket, "it is a socket, not a file",
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
            "it is larger than 64 MiB", "its first 6 lines take more than 64 KiB"},
        HostileCase{"empty_lines_64_mib",
                    [](const std::filesystem::path& f) {
                        writeBytes(f, std::string(kMaxListFileBytes, '\n'));
                    },
                    "it has more than 4 million lines, more than any motor list", ""},
        HostileCase{"ordinary_rows_beyond_the_memory_left", ordinaryRows,
                    "there is not enough memory to read it", "", 160}),
    test::CaseName());

TEST(HostileListFiles, ATenMegabyteLineIsOneRow) {
    TempFolder folder;
    const std::string line(std::size_t{10} << 20, 'L');
    writeBytes(folder / "line.dta", line);
    MotorListBuffer buffer;
    ASSERT_TRUE(readListFile(buffer, folder / "line.dta").read());
    ASSERT_EQ(buffer.rows.size(), 1U);
    EXPECT_EQ(buffer.rows[0].size(), line.size());
    ASSERT_TRUE(writeListFile(buffer, folder / "line.dta").ok);
    EXPECT_EQ(readBytes(folder / "line.dta"), line + '\n');
}

TEST(HostileSettingsFiles, AMillionLinesGiveTheFirstSix) {
    TempFolder folder;
    std::string text = "101\n1\n2\n3.00\n4.00\n5.00\n";
    for (int i = 0; i < 1'000'000; ++i)
        text += "999\n";
    writeBytes(folder / "kes.cfg", text);
    CalcState state;
    loadSettings(state, folder / "kes.cfg");
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
    ASSERT_TRUE(writeListFile(buffer, list).ok);
    MotorListBuffer loaded;
    ASSERT_TRUE(readListFile(loaded, list).read());
    EXPECT_EQ(loaded.rows, buffer.rows);

    CalcState state;
    state.table = {{112, 0, 0}, {2.5, 0, 0}};
    ASSERT_TRUE(saveSettings(state, place / "kes.cfg").ok);
    CalcState restarted;
    loadSettings(restarted, place / "kes.cfg");
    EXPECT_EQ(restarted.table.torque[0], 2.5);
    EXPECT_EQ(chosenListFile(place / "Flügel ohne Punkt").name, "Flügel ohne Punkt.dta");
}

} // namespace
} // namespace kestrune
