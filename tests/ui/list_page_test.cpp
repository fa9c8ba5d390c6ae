// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The List page: rows, summaries, Delete, the list files and the room it takes.

#include "platform/detail/dialog_units.h"
#include "settings/settings_file.h"
#include "tests/support/case_name.h"
#include "tests/support/program_files.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/list_page.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace kestrune::test {
namespace {

namespace fs = std::filesystem;
using namespace kestrune::platform;
using test::PrintTo;

TEST_F(ListPageTest, OpensWithTheStartMotorsAndAdddAppendsTheUntouchedTorqueMotor) {
    run([](Sheet& sheet) {
        EXPECT_EQ(sheet.rows(), Rows{kHeader});
        EXPECT_EQ(Sheet::rowsOf(sheet.box("Breaking Turns")),
                  (Rows{"Type\tTanII", "Width\t1/8\"", "Strands\t4", "Length\t1\"", "Limit\t80%",
                        "Turns\t60"}));
        EXPECT_EQ(Sheet::rowsOf(sheet.box("BreakingTorque")),
                  (Rows{"Type\tTanII", "Width\t1/8\"", "Strands\t2", "Limit\t100%",
                        "Torque\tUndefined"}));
        sheet.click("Addd");
        EXPECT_EQ(sheet.rows(), (Rows{kHeader, kStartTorqueRow}));
        EXPECT_EQ(sheet.selection(), -1);
    });
}

TEST_F(ListPageTest, RowsKeepTheirTextWhenTheTurnsPageComputesAgain) {
    run([](Sheet& sheet) {
        sheet.click("Add");
        sheet.click("Add");
        EXPECT_EQ(sheet.rows(), (Rows{kHeader, kStartTurnsRow, kStartTurnsRow}));

        sheet.showTab(kTurnsTab);
        auto* length = qobject_cast<QLineEdit*>(findByAccessibleName(sheet.window(), "Length"));
        ASSERT_NE(length, nullptr);
        QTest::mouseClick(length, Qt::LeftButton); // entering the box starts a new length
        QTest::keyClicks(length, "24");
        ASSERT_EQ(length->text(), QStringLiteral("24"));
        const std::string turns = sheet.box("Turns").GetText(0);
        ASSERT_NE(turns, "60");

        sheet.showTab(kListTab);
        EXPECT_EQ(Sheet::rowsOf(sheet.box("Breaking Turns")),
                  (Rows{"Type\tTanII", "Width\t1/8\"", "Strands\t4", "Length\t24\"", "Limit\t80%",
                        "Turns\t" + turns}));
        EXPECT_EQ(sheet.rows(), (Rows{kHeader, kStartTurnsRow, kStartTurnsRow}));
    });
}

struct DeleteCase {
    std::string name;
    std::function<void(Sheet&)> select;
    int selected;           // before Delete
    Rows after;             // of header, turns row, torque row
    bool deleteKey = false; // the Delete key on the list instead of the button
};

class DeleteTest : public ListPageTest, public testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, DeletesOnlyASelectedMotorRow) {
    const DeleteCase& c = GetParam();
    run([&](Sheet& sheet) {
        sheet.click("Add");
        sheet.click("Addd");
        c.select(sheet);
        EXPECT_EQ(sheet.selection(), c.selected);
        if (c.deleteKey)
            sheet.key(Qt::Key_Delete);
        else
            sheet.click("Delete");
        EXPECT_EQ(sheet.rows(), c.after);
        EXPECT_EQ(sheet.selection(), -1);
    });
}

const Rows kAllRows{kHeader, kStartTurnsRow, kStartTorqueRow};

INSTANTIATE_TEST_SUITE_P(
    CListDlg, DeleteTest,
    testing::Values(DeleteCase{"nothing_selected", [](Sheet&) {}, -1, kAllRows},
                    DeleteCase{"header_row_clicked", [](Sheet& s) { s.clickRow(0); }, -1, kAllRows},
                    DeleteCase{"up_key_onto_the_header_row",
                               [](Sheet& s) {
                                   s.clickRow(1);
                                   s.key(Qt::Key_Up);
                               },
                               -1, kAllRows},
                    DeleteCase{"home_key_onto_the_header_row",
                               [](Sheet& s) {
                                   s.clickRow(2);
                                   s.key(Qt::Key_Home);
                               },
                               -1, kAllRows},
                    DeleteCase{"clicked_row", [](Sheet& s) { s.clickRow(1); }, 1,
                               Rows{kHeader, kStartTorqueRow}},
                    DeleteCase{"row_reached_with_the_down_key",
                               [](Sheet& s) {
                                   s.clickRow(1);
                                   s.key(Qt::Key_Down);
                               },
                               2, Rows{kHeader, kStartTurnsRow}},
                    DeleteCase{"delete_key_on_a_clicked_row", [](Sheet& s) { s.clickRow(1); }, 1,
                               Rows{kHeader, kStartTorqueRow}, true},
                    DeleteCase{"delete_key_on_the_header_row", [](Sheet& s) { s.clickRow(0); }, -1,
                               kAllRows, true}),
    CaseName{});

struct ListFileCase {
    std::string name;
    std::optional<std::string> file; // kes.dta in the start folder; nothing: no file
    Rows shown;
    int deleted; // rows deleted from the top before Save
    std::string saved;
};

class ListFileTest : public ListPageTest, public testing::WithParamInterface<ListFileCase> {};

TEST_P(ListFileTest, OpensKesDtaAndSavesItBack) {
    const ListFileCase& c = GetParam();
    const fs::path file = startDirectory() / "kes.dta";
    if (c.file) {
        writeBytes(file, *c.file);
    }
    run([&](Sheet& sheet) {
        EXPECT_EQ(sheet.rows(), c.shown);
        for (int i = 0; i < c.deleted; ++i) {
            sheet.clickRow(1);
            sheet.click("Delete");
        }
        sheet.click("Save");
    });
    EXPECT_EQ(readBytes(file), c.saved);
    EXPECT_TRUE(messages_.empty());
}

const std::string kLongRow(500, 'x');
const std::string kOddRow = "\xFFodd";

INSTANTIATE_TEST_SUITE_P(
    CListDlg, ListFileTest,
    testing::Values(ListFileCase{"no_file_gives_the_header_row_and_save_creates_it", std::nullopt,
                                 Rows{kHeader}, 0, ""},
                    ListFileCase{"only_the_header_row_left_empties_the_file", "TanII\nTanS\n",
                                 Rows{kHeader, "TanII", "TanS"}, 2, ""},
                    ListFileCase{"odd_lines_come_back_as_they_were",
                                 fileOf({kStartTurnsRow, "", kOddRow, kLongRow}) + "last",
                                 Rows{kHeader, kStartTurnsRow, "", kOddRow, kLongRow, "last"}, 0,
                                 fileOf({kStartTurnsRow, "", kOddRow, kLongRow, "last"})},
                    ListFileCase{"cr_lf_line_ends_are_saved_as_lf", "TanII\r\nTanS\r\n",
                                 Rows{kHeader, "TanII", "TanS"}, 0, "TanII\nTanS\n"}),
    CaseName{});

TEST_F(ListPageTest, LoadOfANewNameGivesTheHeaderRowAndSaveCreatesThatFile) {
    TempFolder other;
    writeBytes(startDirectory() / "kes.dta", "TanII\n");
    answerFileDialog(other / "club");
    run([&](Sheet& sheet) {
        sheet.click("Load");
        EXPECT_EQ(sheet.rows(), Rows{kHeader});
        sheet.click("Add");
        sheet.click("Save");
    });
    ASSERT_EQ(requests_.size(), 1U);
    EXPECT_TRUE(requests_[0].open);
    EXPECT_FALSE(requests_[0].mustExist) << "a new name is a new list";
    EXPECT_EQ(requests_[0].startFolder, startDirectory()) << "where the current list file is";
    EXPECT_EQ(readBytes(other / "club.dta"), fileOf({kStartTurnsRow}));
    EXPECT_EQ(readBytes(startDirectory() / "kes.dta"), "TanII\n");
}

struct DialogCase {
    std::string name;
    const char* button;
    const char* chosen; // the name given in the dialog
    const char* file;   // the file read or written
    const char* defaultExt;
    bool confirmsReplacing;
    std::string contents; // of that file: read by Load, written by SaveAs and Print
};

class FileDialogNameTest : public ListPageTest, public testing::WithParamInterface<DialogCase> {};

TEST_P(FileDialogNameTest, EachDialogAsksForItsKindOfFile) {
    const DialogCase& c = GetParam();
    TempFolder other;
    const bool load = std::string_view(c.button) == "Load";
    if (load) {
        writeBytes(other / c.file, c.contents);
    }
    answerFileDialog(other / c.chosen);
    run([&](Sheet& sheet) {
        if (!load) // a list to write; Load of a changed list asks first (tested below)
            sheet.click("Add");
        sheet.click(c.button);
        if (load) {
            EXPECT_EQ(sheet.rows(), (Rows{kHeader, "TanS"}));
        }
    });
    ASSERT_EQ(requests_.size(), 1U);
    EXPECT_EQ(requests_[0].open, load);
    EXPECT_EQ(requests_[0].defaultExt, c.defaultExt);
    EXPECT_EQ(requests_[0].confirmOverwrite, c.confirmsReplacing);
    EXPECT_EQ(readBytes(other / c.file), c.contents);
    EXPECT_TRUE(messages_.empty());
}

INSTANTIATE_TEST_SUITE_P(CListDlg, FileDialogNameTest,
                         testing::Values(DialogCase{"load", "Load", "club", "club.dta", "dta",
                                                    false, "TanS\n"},
                                         DialogCase{"save_as", "SaveAs", "club", "club.dta", "dta",
                                                    true, fileOf({kStartTurnsRow})},
                                         DialogCase{"print", "Print", "report", "report.txt", "txt",
                                                    true, fileOf({kHeader, kStartTurnsRow})}),
                         CaseName{});

class OtherFolderTest : public ListPageTest, public testing::WithParamInterface<const char*> {};

TEST_P(OtherFolderTest, SaveWritesThereAndTheSettingsStayInTheStartFolder) {
    const std::string_view button = GetParam();
    TempFolder other;
    writeBytes(other / "club.dta", "TanS\n");
    answerFileDialog(other / "club.dta");
    run(
        [&](Sheet& sheet) {
            sheet.click(GetParam());
            sheet.click("Add");
            sheet.click("Save");
        },
        true);
    const std::string before = button == "Load" ? "TanS\n" : "";
    EXPECT_EQ(readBytes(other / "club.dta"), before + fileOf({kStartTurnsRow}));
    EXPECT_EQ(readBytes(settingsFilePath()), formatSettings(kDefaultCalibration));
    EXPECT_EQ(settingsFilePath().parent_path(), startDirectory());
    EXPECT_FALSE(fs::exists(other / "kes.cfg"));
    EXPECT_FALSE(fs::exists(startDirectory() / "kes.dta")) << "closing writes no list";
}

INSTANTIATE_TEST_SUITE_P(CListDlg, OtherFolderTest, testing::Values("Load", "SaveAs"),
                         [](const testing::TestParamInfo<const char*>& param) {
                             return std::string(param.param);
                         });

// Sets an environment variable for the lifetime of the object.
class EnvironmentGuard {
public:
    EnvironmentGuard(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;
    ~EnvironmentGuard() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST_F(ListPageTest, PrintStartsInTheDocumentsFolderAndSaveStillWritesTheListFile) {
    TempFolder home;
    const EnvironmentGuard homeGuard("HOME", QByteArray::fromStdString(home.path().string()));
    const EnvironmentGuard config("XDG_CONFIG_HOME",
                                  QByteArray::fromStdString((home / ".config").string()));
    const std::string exported = fileOf({kHeader, kStartTurnsRow});
    const std::string saved = fileOf({kStartTurnsRow, kStartTorqueRow});
    for (const bool documentsExist : {true, false}) {
        SCOPED_TRACE(documentsExist ? "with a documents folder" : "without one");
        removeStartFiles();
        requests_.clear();
        if (documentsExist) {
            fs::create_directory(home / "Documents");
        } else {
            fs::remove(home / "Documents");
        }
        const fs::path report = home / "report.txt";
        answerFileDialog(report);
        run([&](Sheet& sheet) {
            sheet.click("Add");
            sheet.click("Print");
            sheet.click("Addd");
            sheet.click("Save");
        });
        ASSERT_EQ(requests_.size(), 1U);
        EXPECT_EQ(requests_[0].startFolder, documentsExist ? home / "Documents" : startDirectory());
        EXPECT_EQ(readBytes(report), exported);
        EXPECT_EQ(readBytes(startDirectory() / "kes.dta"), saved);
    }
}

TEST_F(ListPageTest, TheMotorListTakesTheRoomOfALargerSheet) {
    run([](Sheet& sheet) {
        QWidget* window = sheet.window();
        const auto at = [&](const char* name) {
            QWidget* widget = findByAccessibleName(window, QString::fromUtf8(name));
            EXPECT_NE(widget, nullptr) << name;
            return widget != nullptr ? widget->geometry() : QRect();
        };
        const QSize small = window->size();
        const QRect list = at("Rubber Motor List");
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        window->resize(small + QSize(300, 200));
        QApplication::processEvents();
        const QRect grown = at("Rubber Motor List");
        EXPECT_GE(grown.width(), list.width() + 290);
        EXPECT_GE(grown.height(), list.height() + 180);
        EXPECT_GT(at("Delete").left(), grown.right()) << "the buttons stay beside the list";
        EXPECT_EQ(at("Delete").top(), list.top());
        EXPECT_GT(at("Breaking Turns").top(), grown.bottom()) << "the summaries stay below it";
        EXPECT_EQ(at("Add").top(), at("Help").top());
        window->resize(100, 100);
        QApplication::processEvents();
        EXPECT_EQ(window->size(), small) << "never smaller than the pages";
        EXPECT_EQ(at("Rubber Motor List"), list);
    });
}

// A row wider than the list can be scrolled to: nothing of it is cut off.
TEST_F(ListPageTest, RowsWiderThanTheListScrollSideways) {
    const Rows rows{"TanII\t1/4\"\t36\tNA\t80%\tNA\t583.21oz/in", "M\xC3\xBCller\t" + kLongRow,
                    kLongRow + "\t|"};
    writeBytes(startDirectory() / "kes.dta", fileOf(rows));
    run([&](Sheet& sheet) {
        QAbstractItemView* list = sheet.motorList();
        QApplication::processEvents();
        const QFontMetrics metrics(list->font());
        const int tabStop = platform::detail::DialogUnits(list->font()).x(32); // the tab stops
        const QScrollBar* bar = list->horizontalScrollBar();
        EXPECT_TRUE(bar->isVisible());
        for (const std::string& row : rows) {
            const QString shown = QString::fromStdString(row);
            const int drawn =
                metrics.size(Qt::TextExpandTabs | Qt::TextSingleLine, shown, tabStop).width();
            EXPECT_GE(bar->maximum() + list->viewport()->width(), drawn) << row.substr(0, 20);
        }
    });
}

TEST_F(ListPageTest, HelpShowsTheApplicationTopic) {
    std::vector<unsigned long> shown;
    setHelpHook([&](unsigned long context) { shown.push_back(context); });
    run([](Sheet& sheet) { sheet.click("Help"); });
    setHelpHook({});
    EXPECT_EQ(shown, std::vector<unsigned long>{1});
}

} // namespace
} // namespace kestrune::test
