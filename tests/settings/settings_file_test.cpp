// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "settings/exact_constants.h"
#include "settings/preferences_file.h"
#include "settings/settings_file.h"
#include "tests/support/case_name.h"
#include "tests/support/disk_files.h"
#include "tests/support/locale_guard.h"
#include "tests/support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace kestrune {
namespace {

test::DiskFiles disk;

using test::PrintTo;

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

struct ParseCase {
    const char* name;
    std::string text;
    CalibrationTable expected;
    const char* reason = ""; // why the file is refused, giving the defaults; "" when it is read
    const char* prefs = "";  // kes-prefs.cfg beside it, with the constants exactly
};

class ParseSettings : public ::testing::TestWithParam<ParseCase> {};

// The file as the program reads it at start, and the exact constants of kes-prefs.cfg taken
// where kes.cfg's line still says what kes.cfg writes for them.
TEST_P(ParseSettings, FillsEverySlot) {
    TempFolder folder;
    writeBytes(folder / "kes.cfg", GetParam().text);
    CalcState state;
    SettingsLines lines;
    EXPECT_EQ(loadSettings(state, disk(folder / "kes.cfg"), lines).reason, GetParam().reason);
    useExactConstants(state.table, lines, parsePreferences(GetParam().prefs).exactConstants);
    EXPECT_EQ(state.table.turns, GetParam().expected.turns);
    EXPECT_EQ(state.table.torque, GetParam().expected.torque);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseSettings,
    ::testing::Values(
        ParseCase{"default_file", "107\n0\n0\n2.70\n0.00\n0.00\n", kDefaultCalibration},
        ParseCase{"crlf_line_ends", "107\r\n0\r\n0\r\n2.70\r\n0.00\r\n0.00\r\n",
                  kDefaultCalibration},
        ParseCase{
            "calibrated", "113\n95\n88\n3.15\n1.20\n0.85\n", {{113, 95, 88}, {3.15, 1.2, 0.85}}},
        ParseCase{"blanks_before_and_word_after",
                  "  107 turns\n1\n2\n3\n4\n5\n",
                  {{107, 1, 2}, {3, 4, 5}}},
        ParseCase{"comma_stops_at_the_comma", "1\n2\n3\n2,7\n4\n5\n", {{1, 2, 3}, {2, 4, 5}}},
        ParseCase{"letters_read_as_zero", "abc\n2\n3\n4\n5\n6\n", {{0, 2, 3}, {4, 5, 6}}},
        ParseCase{"blank_line_reads_as_zero", "1\n\n3\n4\n5\n6\n", {{1, 0, 3}, {4, 5, 6}}},
        ParseCase{
            "lines_after_the_sixth_ignored", "1\n2\n3\n4\n5\n6\n7\n8\n", {{1, 2, 3}, {4, 5, 6}}},
        ParseCase{"missing_lines_take_defaults", "99\n1\n", {{99, 1, 0}, {2.7, 0, 0}}},
        ParseCase{"last_line_without_line_end", "1\n2\n3\n4\n5\n6", {{1, 2, 3}, {4, 5, 6}}},
        ParseCase{"empty_file_gives_defaults", "", kDefaultCalibration},
        ParseCase{"long_line_read_whole_without_shifting",
                  std::string(100, ' ') + "120" + std::string(100, 'x') + "\n2\n3\n4\n5\n6\n",
                  {{120, 2, 3}, {4, 5, 6}}},
        ParseCase{"not_finite_means_not_calibrated",
                  "1e999\n-1e999\n3\n4\n5\n6\n",
                  {{0, 0, 3}, {4, 5, 6}}},
        ParseCase{"byte_order_mark_skipped",
                  "\uFEFF113\n0\n0\n2.70\n0.00\n0.00\n",
                  {{113, 0, 0}, {2.7, 0, 0}}},
        ParseCase{"six_lines_just_filling_the_window",
                  "1\n2\n3\n4\n5\n" + std::string(kSettingsReadBytes - 12, ' ') + "6\n" +
                      std::string(100'000, 'x'),
                  {{1, 2, 3}, {4, 5, 6}}},
        ParseCase{"sixth_line_beyond_the_window",
                  "1\n2\n3\n4\n5\n" + std::string(kSettingsReadBytes, ' ') + "6\n",
                  kDefaultCalibration, "its first 6 lines take more than 64 KiB",
                  "turns-constant.1=107.2\n"},
        ParseCase{"exact_constants_kept_beside_their_lines",
                  "113\n0\n-0\n2.70\n0.00\n0.00\n",
                  {{113.2, 0.3, -0.4}, {2.7, 0.004, 0}},
                  "",
                  "turns-constant.1=113.2\nturns-constant.2=0.3\nturns-constant.3=-0.4\n"
                  "torque-constant.2=0.004\n"},
        ParseCase{"a_hand_edit_of_kes_cfg_wins",
                  "114\n0\n88.0\n2.7\n0.01\n0.00\n",
                  {{114, 0.3, 88}, {2.7, 0.01, 0}},
                  "",
                  "turns-constant.1=113.2\nturns-constant.2=0.3\nturns-constant.3=88.2\n"
                  "torque-constant.1=2.704\ntorque-constant.2=0.004\n"},
        ParseCase{"crlf_and_a_missing_line_which_takes_no_exact_constant",
                  "107\r\n",
                  {{107.4, 0, 0}, {2.7, 0, 0}},
                  "",
                  "turns-constant.1=107.4\r\ntorque-constant.1=2.704\r\n"}),
    test::CaseName());

TEST(FormatSettings, WritesWholeTurnsAndTwoDecimalTorques) {
    EXPECT_EQ(formatSettings(kDefaultCalibration), "107\n0\n0\n2.70\n0.00\n0.00\n");
    EXPECT_EQ(formatSettings({{112.6, 106.5, -3}, {2.704, 0.125, -1.5}}),
              "113\n106\n-3\n2.70\n0.12\n-1.50\n");
}

TEST(LoadSettings, WithoutAFileTakesTheDefaults) {
    TempFolder folder;
    CalcState state;
    state.table = {{1, 1, 1}, {1, 1, 1}};
    loadSettings(state, disk(folder / "kes.cfg"));
    EXPECT_EQ(state.table.turns, kDefaultCalibration.turns);
    EXPECT_EQ(state.table.torque, kDefaultCalibration.torque);
}

TEST(LoadSettings, SetsTheStartMotorsButKeepsResultsAndPageState) {
    TempFolder folder;
    writeBytes(folder / "kes.cfg", "100\n0\n0\n3.00\n0.00\n0.00\n");
    CalcState state;
    state.turnsMotor = {2, 0.25, 36, 50, 55, 1234};
    state.torqueMotor = {1, 0.0625, 30, 60, 7.5};
    state.currentType = 2;
    state.turnsConstant = 11;
    state.torqueConstant = 12;
    loadSettings(state, disk(folder / "kes.cfg"));

    EXPECT_EQ(state.table.turns[0], 100);
    EXPECT_EQ(state.table.torque[0], 3.0);
    const TurnsMotor& t = state.turnsMotor;
    EXPECT_EQ((std::tuple{t.type, t.width, t.strands, t.length, t.limit, t.turns}),
              (std::tuple{0, 0.125, 2.0, 1.0, 100.0, 1234.0}));
    const TorqueMotor& q = state.torqueMotor;
    EXPECT_EQ((std::tuple{q.type, q.width, q.strands, q.limit, q.torque}),
              (std::tuple{0, 0.125, 2.0, 100.0, 7.5}));
    EXPECT_EQ((std::tuple{state.currentType, state.turnsConstant, state.torqueConstant}),
              (std::tuple{2, 11.0, 12.0}));
}

TEST(SaveSettings, RoundTripsWithTheFilesRounding) {
    TempFolder folder;
    CalcState state;
    state.table = {{112.6, 0, 0}, {2.7, 0, 0}};
    ASSERT_TRUE(saveSettings(state, disk(folder / "kes.cfg")).done());
    EXPECT_EQ(readBytes(folder / "kes.cfg"), "113\n0\n0\n2.70\n0.00\n0.00\n");

    CalcState restarted;
    loadSettings(restarted, disk(folder / "kes.cfg"));
    EXPECT_EQ(restarted.table.turns[0], 113.0);
    EXPECT_EQ(restarted.table.torque[0], 2.7) << "the double nearest 2.7";
    EXPECT_EQ(state.table.turns[0], 112.6) << "the running program keeps its value";

    // With kes-prefs.cfg written beside it, as every write of kes.cfg does, the restart computes
    // with the very constant; the other lines of kes-prefs.cfg stay as they were.
    writeBytes(folder / "kes-prefs.cfg", "units=mm\ncolour=red\nturns-constant.1=99\n");
    state.table.torque[0] = 0.004;
    ASSERT_TRUE(saveSettings(state, disk(folder / "kes.cfg")).done());
    ASSERT_TRUE(saveExactConstants(state.table, {}, disk(folder / "kes-prefs.cfg")).done());
    SettingsLines lines;
    Preferences prefs;
    loadSettings(restarted, disk(folder / "kes.cfg"), lines);
    ASSERT_TRUE(loadPreferences(prefs, disk(folder / "kes-prefs.cfg")).done());
    useExactConstants(restarted.table, lines, prefs.exactConstants);
    EXPECT_EQ(restarted.table.turns, state.table.turns);
    EXPECT_EQ(restarted.table.torque, state.table.torque);
    EXPECT_EQ(std::tuple(prefs.units(), prefs.otherLines),
              std::tuple(LengthUnit::Millimetre, std::vector<std::string>{"colour=red"}));
}

TEST(SaveSettings, ReadOnlyFileStaysAndTheFailureIsReported) {
    TempFolder folder;
    const fs::path file = folder / "kes.cfg";
    writeBytes(file, "1\n2\n3\n4\n5\n6\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    CalcState state;
    state.table = kDefaultCalibration;
    const FileResult result = saveSettings(state, disk(file));
    EXPECT_FALSE(result.done());
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(readBytes(file), "1\n2\n3\n4\n5\n6\n");
}

TEST(SaveSettings, MissingFolderIsReported) {
    TempFolder folder;
    CalcState state;
    const FileResult result = saveSettings(state, disk(folder / "gone" / "kes.cfg"));
    EXPECT_FALSE(result.done());
    EXPECT_EQ(result.reason, "the folder \"" + (folder / "gone").string() + "\" does not exist");
}

TEST(SettingsUnderDecimalCommaLocale, FileKeepsThePoint) {
    test::DecimalCommaLocale locale;
    KESTRUNE_REQUIRE_DECIMAL_COMMA(locale);
    TempFolder folder;
    CalcState state;
    state.table = {{107, 0, 0}, {2.7, 1.25, 0}};
    ASSERT_TRUE(saveSettings(state, disk(folder / "kes.cfg")).done());
    EXPECT_EQ(readBytes(folder / "kes.cfg"), "107\n0\n0\n2.70\n1.25\n0.00\n");
    CalcState loaded;
    loadSettings(loaded, disk(folder / "kes.cfg"));
    EXPECT_EQ(loaded.table.torque[0], 2.7);
    EXPECT_EQ(loaded.table.torque[1], 1.25);
}

} // namespace
} // namespace kestrune
