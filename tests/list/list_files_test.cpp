// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "list/list_files.h"
#include "list/motor_rows.h"
#include "tests/support/disk_files.h"
#include "tests/support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kestrune {
namespace {
namespace fs = std::filesystem;

const std::string kTurnsRow = "TanII\t1/8\"\t14\t20\"\t80%\t646\tNA";
const std::string kTorqueRow = "TanII\t1/4\"\t12\tNA\t80%\tNA\t15.04oz/in";

MotorListView viewOf(const std::vector<std::string>& rows) {
    return {rows.size(), [&rows](std::size_t i) { return rows.at(i); }};
}

// Each test works in a folder of its own, removed afterwards.
class ListFiles : public testing::Test {
protected:
    fs::path file(const std::string& name) const { return temp_ / name; }
    static void put(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string bytesOf(const fs::path& path) {
        return fs::exists(path) ? test::readBytes(path) : "<none>";
    }

    test::TempFolder temp_;
    const fs::path& folder_ = temp_.path();
    test::DiskFiles disk;
};

TEST_F(ListFiles, LinesReadAsRows) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> rows;
    } cases[] = {
        {"empty file has no rows", "", {}},
        {"lone line end is one empty row", "\n", {""}},
        {"CR LF ends a line like LF", "a\r\nb\r\n\r\nc\r\n", {"a", "b", "", "c"}},
        {"CR inside a line stays in the row", "a\rb\nc", {"a\rb", "c"}},
        {"CRs at a line end belong to the line end", "a\r\r\nb\r", {"a", "b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        put(file("in.dta"), c.bytes);
        MotorListBuffer buffer{{"left over"}};
        ASSERT_TRUE(readListFile(buffer, disk(file("in.dta"))).done());
        EXPECT_EQ(buffer.rows, c.rows);
    }
}

TEST_F(ListFiles, OddLinesSurviveALoadAndSaveWithOnlyTheLastLineEndAdded) {
    const std::string longRow(500, 'x');
    // Byte 0xFF at the start of a line is row content like any other byte.
    const std::string markRow = std::string(1, '\xFF') + "after mark";
    const std::string bytes = kTurnsRow + "\n\n" + markRow + "\n" + longRow + "\nno line end";
    put(file("odd.dta"), bytes);

    MotorListBuffer buffer;
    ASSERT_TRUE(readListFile(buffer, disk(file("odd.dta"))).done());
    EXPECT_EQ(buffer.rows,
              (std::vector<std::string>{kTurnsRow, "", markRow, longRow, "no line end"}));
    ASSERT_TRUE(writeListFile(buffer, disk(file("odd.dta"))).done());
    EXPECT_EQ(bytesOf(file("odd.dta")), bytes + "\n");
}

TEST_F(ListFiles, UnreadableFileLeavesTheBufferAlone) {
    MotorListBuffer buffer{{kTurnsRow}};
    EXPECT_TRUE(readListFile(buffer, disk(file("missing.dta"))).missing());
    EXPECT_EQ(readListFile(buffer, disk(folder_)).reason, "it is a folder");
    EXPECT_EQ(buffer.rows, std::vector<std::string>{kTurnsRow});
}

TEST_F(ListFiles, FailedWriteKeepsTheOldFileAndSaysWhy) {
    put(file("locked.dta"), "old\n");
    fs::permissions(file("locked.dta"), fs::perms::owner_read | fs::perms::group_read);
    put(file("plain"), "not a folder");
    fs::create_directory(file("folder.dta"));
    const fs::path targets[] = {file("locked.dta"), file("no such folder") / "kes.dta",
                                file("plain") / "kes.dta", file("folder.dta")};
    const MotorListBuffer buffer{{kTurnsRow}};
    for (const fs::path& target : targets) {
        SCOPED_TRACE(target.string());
        const FileResult result = writeListFile(buffer, disk(target));
        EXPECT_FALSE(result.done());
        EXPECT_FALSE(result.reason.empty());
    }
    EXPECT_EQ(bytesOf(file("locked.dta")), "old\n");
    EXPECT_TRUE(fs::is_directory(file("folder.dta")));
}

TEST(ListFileNames, ExtensionOnlyForNamesWithoutAnyPoint) {
    const struct {
        const char* chosen;
        const char* listFile;
        const char* exportFile;
    } cases[] = {
        {"motors", "motors.dta", "motors.txt"},
        {"motors.txt", "motors.txt", "motors.txt"},
        {"my.motors", "my.motors", "my.motors"},
        {".hidden", ".hidden", ".hidden"},
        {"ends.", "ends.", "ends."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        const fs::path chosen = fs::path("/home/flyer/lists") / c.chosen;
        const ListFileLocation list = chosenListFile(chosen);
        EXPECT_EQ(list.folder, fs::path("/home/flyer/lists"));
        EXPECT_EQ(list.name, c.listFile);
        EXPECT_EQ(chosenExportFile(chosen), fs::path("/home/flyer/lists") / c.exportFile);
    }
}

TEST(ListFileNames, TheDefaultListFileIsKesDtaInTheStartFolder) {
    EXPECT_EQ(defaultListFile("/home/flyer").path(), fs::path("/home/flyer/kes.dta"));
}

TEST(PackRows, FirstIndexPastTheEndGivesNoRows) {
    MotorListBuffer buffer{{kTurnsRow}};
    packRows(buffer, viewOf({std::string(kHeaderRow)}), 2);
    EXPECT_TRUE(buffer.rows.empty());
}

TEST_F(ListFiles, ExportHoldsTheHeaderAndLeavesSaveWithTheListFile) {
    const std::vector<std::string> list{std::string(kHeaderRow), kTurnsRow, kTorqueRow};
    const ListFileLocation current{folder_, "kes.dta"};
    MotorListBuffer buffer;
    ASSERT_TRUE(exportMotorList(buffer, viewOf(list), disk(file("motors.txt"))).done());
    ASSERT_TRUE(saveMotorList(buffer, viewOf(list), disk(current.path())).done());
    EXPECT_EQ(bytesOf(file("motors.txt")),
              std::string(kHeaderRow) + "\n" + kTurnsRow + "\n" + kTorqueRow + "\n");
    EXPECT_EQ(bytesOf(file("kes.dta")), kTurnsRow + "\n" + kTorqueRow + "\n");
}

TEST_F(ListFiles, SaveAsMovesLaterSavesToTheChosenFile) {
    fs::create_directory(file("other"));
    ListFileLocation current{folder_, "kes.dta"};
    MotorListBuffer buffer;
    const std::vector<std::string> first{std::string(kHeaderRow), kTurnsRow};
    const std::vector<std::string> second{std::string(kHeaderRow), kTorqueRow};
    const ListFileLocation gone{file("gone"), "mine.dta"};
    EXPECT_FALSE(saveMotorListAs(buffer, viewOf(first), current, gone, disk(gone.path())).done());
    EXPECT_EQ(current.path(), file("kes.dta")) << "a failed SaveAs changes nothing";
    const ListFileLocation mine = chosenListFile(file("other/mine"));
    ASSERT_TRUE(saveMotorListAs(buffer, viewOf(first), current, mine, disk(mine.path())).done());
    ASSERT_TRUE(saveMotorList(buffer, viewOf(second), disk(current.path())).done());
    EXPECT_EQ(bytesOf(file("other/mine.dta")), kTorqueRow + "\n");
    EXPECT_FALSE(fs::exists(file("kes.dta")));
}

TEST_F(ListFiles, LoadReplacesTheRowsAndANewNameGivesAnEmptyListThatSaveCreates) {
    put(file("mine.dta"), kTorqueRow + "\n" + kTurnsRow + "\n");
    ListFileLocation current{folder_, "kes.dta"};
    MotorListBuffer buffer{{"earlier row"}};
    const ListFileLocation mine = chosenListFile(file("mine"));
    EXPECT_TRUE(loadMotorList(buffer, current, mine, disk(mine.path())).done());
    EXPECT_EQ(buffer.rows, (std::vector<std::string>{kTorqueRow, kTurnsRow}));

    const ListFileLocation fresh = chosenListFile(file("fresh"));
    EXPECT_TRUE(loadMotorList(buffer, current, fresh, disk(fresh.path())).missing());
    EXPECT_TRUE(buffer.rows.empty());
    EXPECT_EQ(current.path(), file("fresh.dta"));
    ASSERT_TRUE(
        saveMotorList(buffer, viewOf({std::string(kHeaderRow)}), disk(current.path())).done());
    EXPECT_EQ(bytesOf(file("fresh.dta")), "");
}

} // namespace
} // namespace kestrune
