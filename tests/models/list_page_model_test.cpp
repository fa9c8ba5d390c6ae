// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The List page's rules: which rows it adds, when it asks to save, and where its files go.

#include "core/memory_file.h"
#include "models/list_page_model.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace kestrune {
namespace {

const std::string kStartTurnsRow = "TanII\t1/8\"\t2\t1\"\t100%\t??\tNA";
const std::string kStartTorqueRow = "TanII\t1/8\"\t2\tNA\t100%\tNA\t??";

class ListPageModelTest : public testing::Test {
protected:
    MotorListView view() {
        return {rows_.size(), [this](std::size_t i) { return rows_.at(i); }};
    }
    std::optional<std::string> question() const { return model_.saveQuestion(); }

    CalcState state_;
    MotorListBuffer buffer_;
    ListFileLocation current_;
    ListPageModel model_{state_, buffer_, current_};
    std::vector<std::string> rows_{std::string(kHeaderRow)};
};

TEST_F(ListPageModelTest, AsksToSaveOnlyAfterRowsWereAddedOrDeletedSinceTheLastLoadOrSave) {
    MemoryFile kesDta("/flyer/kes.dta", "row one\nrow two\n");
    MemoryFile other("/flyer/other.dta"), export_("/flyer/motors.txt");
    const std::string ask = "The motor list has changes that are not saved. Save them to ";
    EXPECT_TRUE(model_.load(defaultListFile("/flyer"), kesDta).done());
    EXPECT_EQ(model_.takeLoadedRows(), (std::vector<std::string>{"row one", "row two"}));
    EXPECT_EQ(question(), std::nullopt) << "a list just loaded";
    rows_.push_back(model_.addTurnsRow());
    rows_.push_back(model_.addTorqueRow());
    EXPECT_EQ(rows_,
              (std::vector<std::string>{std::string(kHeaderRow), kStartTurnsRow, kStartTorqueRow}));
    EXPECT_EQ(question(), ask + "kes.dta?");
    EXPECT_TRUE(model_.exportList(view(), export_).done());
    EXPECT_EQ(question(), ask + "kes.dta?") << "an export saves no list";
    EXPECT_EQ(export_.bytes(),
              std::string(kHeaderRow) + "\n" + kStartTurnsRow + "\n" + kStartTorqueRow + "\n");
    other.failWrites("the disk is full");
    EXPECT_FALSE(model_.saveAs(view(), {"/flyer", "other.dta"}, other).done());
    EXPECT_EQ(model_.currentFile().name, "kes.dta") << "a failed SaveAs changes nothing";
    EXPECT_EQ(question(), ask + "kes.dta?");
    other.failWrites(std::nullopt);
    EXPECT_TRUE(model_.saveAs(view(), {"/flyer", "other.dta"}, other).done());
    EXPECT_EQ(model_.currentFile().path(), "/flyer/other.dta");
    EXPECT_EQ(question(), std::nullopt);
    EXPECT_FALSE(model_.deleteRow(0)) << "the header row stays";
    EXPECT_FALSE(model_.deleteRow(-1)) << "no row selected";
    EXPECT_EQ(question(), std::nullopt);
    EXPECT_TRUE(model_.deleteRow(1));
    rows_.erase(rows_.begin() + 1);
    EXPECT_EQ(question(), ask + "other.dta?");
    EXPECT_TRUE(model_.save(view(), other).done());
    EXPECT_EQ(other.bytes(), kStartTorqueRow + "\n") << "rows without the header row";
    EXPECT_EQ(question(), std::nullopt);
    rows_.push_back(model_.addTurnsRow());
    EXPECT_TRUE(model_.load({"/flyer", "new.dta"}, other).done());
    EXPECT_EQ(question(), std::nullopt) << "a list loaded, even a new one";
}

} // namespace
} // namespace kestrune
