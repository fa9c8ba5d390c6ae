// Files nobody meant to be list or settings files: no crash, no hang, every byte accounted for,
// and memory in proportion to the file.

#include "list/list_files.h"
#include "settings/settings_file.h"
#include "tests/support/temp_folder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace kestrune {
namespace {

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
    ASSERT_TRUE(readListFile(buffer, folder / "garbage.dta"));
    ASSERT_FALSE(buffer.rows.empty());
    ASSERT_TRUE(writeListFile(buffer, folder / "saved.dta").ok);
    MotorListBuffer again;
    ASSERT_TRUE(readListFile(again, folder / "saved.dta"));
    EXPECT_EQ(again.rows, buffer.rows);
}

TEST(HostileListFiles, AHundredMegabyteFileLoadsWhole) {
    TempFolder folder;
    const std::string row(99, 'x');
    std::string text;
    text.reserve(std::size_t{100} << 20);
    while (text.size() < (std::size_t{100} << 20))
        text += row + '\n';
    writeBytes(folder / "big.dta", text);
    MotorListBuffer buffer;
    ASSERT_TRUE(readListFile(buffer, folder / "big.dta"));
    EXPECT_EQ(buffer.rows.size(), text.size() / 100);
    EXPECT_EQ(buffer.rows.back(), row);
}

TEST(HostileListFiles, ATenMegabyteLineIsOneRow) {
    TempFolder folder;
    const std::string line(std::size_t{10} << 20, 'L');
    writeBytes(folder / "line.dta", line);
    MotorListBuffer buffer;
    ASSERT_TRUE(readListFile(buffer, folder / "line.dta"));
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
    ASSERT_TRUE(readListFile(loaded, list));
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
