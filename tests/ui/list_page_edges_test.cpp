// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The List page at the edges: a list not saved, files that cannot be read or written.

#include "tests/support/case_name.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/list_page.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kestrune::test {
namespace {

namespace fs = std::filesystem;
using namespace kestrune::platform;
using test::PrintTo;

struct UnsavedCase {
    std::string name;
    const char* action; // what would drop the list: a close of the sheet, or "Load"
    const char* answer; // to "Save them to kes.dta?"; nullptr: it must not be asked
    bool change;        // a row added first
    bool stays;         // the sheet stays open as it was, with the row
    std::string saved;  // kes.dta afterwards ("" when there is none)
    bool fileDialog;    // Load went on to its file dialog
};

class UnsavedListTest : public ListPageTest, public testing::WithParamInterface<UnsavedCase> {};

// A list with rows added or deleted is offered for saving, naming its file, before the sheet
// closes (whichever way) and before Load replaces it; an unchanged list is dropped unasked.
TEST_P(UnsavedListTest, IsOfferedForSavingBeforeItIsDropped) {
    const UnsavedCase& c = GetParam();
    const std::string_view action = c.action;
    TempFolder other;
    if (c.fileDialog)
        answerFileDialog(other / "fresh");
    std::string question;
    run([&](Sheet& sheet) {
        if (c.change)
            sheet.click("Add");
        if (c.answer != nullptr) {
            answerNextModal([&](QWidget* box) {
                question = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))
                               ->text()
                               .toStdString();
                clickButton(box, c.answer);
            });
        }
        if (action == "Escape")
            QTest::keyClick(sheet.window(), Qt::Key_Escape);
        else if (action == "close box")
            sheet.window()->close();
        else
            sheet.click(c.action);
        EXPECT_EQ(pendingModalAnswers(), 0) << "the question was not asked";
        EXPECT_EQ(sheet.window()->isVisible(), c.stays || action == "Load");
        if (c.stays) {
            EXPECT_EQ(sheet.rows(), (Rows{kHeader, kStartTurnsRow}));
        }
    });
    if (c.answer != nullptr) {
        EXPECT_EQ(question, "The motor list has changes that are not saved. Save them to kes.dta?");
    }
    const fs::path file = startDirectory() / "kes.dta";
    EXPECT_EQ(fs::exists(file) ? readBytes(file) : "", c.saved);
    EXPECT_EQ(requests_.size(), c.fileDialog ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(
    CListDlg, UnsavedListTest,
    testing::Values(
        UnsavedCase{"unchanged_list_closes_unasked", "Cancel", nullptr, false, false, "", false},
        UnsavedCase{"cancel_then_save", "Cancel", "Save", true, false, fileOf({kStartTurnsRow}),
                    false},
        UnsavedCase{"ok_then_discard", "OK", "Discard", true, false, "", false},
        UnsavedCase{"escape_then_cancel_goes_back", "Escape", "Cancel", true, true, "", false},
        UnsavedCase{"close_box_then_save", "close box", "Save", true, false,
                    fileOf({kStartTurnsRow}), false},
        UnsavedCase{"load_then_cancel_opens_no_dialog", "Load", "Cancel", true, true, "", false},
        UnsavedCase{"load_then_discard", "Load", "Discard", true, false, "", true},
        UnsavedCase{"load_then_save", "Load", "Save", true, false, fileOf({kStartTurnsRow}), true}),
    CaseName{});

TEST_F(ListPageTest, AFailedSaveFromTheQuestionIsToldAndTheSheetStaysOpen) {
    TempFolder other;
    const fs::path file = other / "club.dta";
    writeBytes(file, "TanS\n");
    fs::permissions(file, fs::perms::owner_read);
    answerFileDialog(file);
    run([&](Sheet& sheet) {
        sheet.click("Load");
        sheet.click("Add");
        answerNextModal([](QWidget* box) { clickButton(box, "Save"); });
        sheet.click("Cancel");
        EXPECT_TRUE(sheet.window()->isVisible());
        EXPECT_EQ(sheet.rows(), (Rows{kHeader, "TanS", kStartTurnsRow}));
    });
    ASSERT_EQ(messages_.size(), 1U);
    EXPECT_NE(messages_[0].find("read-only"), std::string::npos) << messages_[0];
    EXPECT_EQ(readBytes(file), "TanS\n");
}

struct UnreadableCase {
    std::string name;
    void (*prepare)(const fs::path& file);
    const char* reason;
    const char* replace; // the answer to "Replace it?" at Save
    bool replaced;
};

class UnreadableListTest : public ListPageTest,
                           public testing::WithParamInterface<UnreadableCase> {};

// kes.dta is there but cannot be read: the user is told which file and why, and Save asks
// before it replaces the file.
TEST_P(UnreadableListTest, IsToldAndReplacedOnlyWhenTheUserSaysSo) {
    const UnreadableCase& c = GetParam();
    const fs::path file = startDirectory() / "kes.dta";
    c.prepare(file);
    const fs::file_type kind = fs::symlink_status(file).type();
    std::string asked;
    run([&](Sheet& sheet) {
        EXPECT_EQ(sheet.rows(), Rows{kHeader});
        sheet.click("Add");
        answerNextModal([&](QWidget* box) {
            asked = box->windowTitle().toStdString();
            clickButton(box, c.replace);
        });
        sheet.click("Save");
    });
    ASSERT_FALSE(messages_.empty());
    EXPECT_NE(messages_[0].find("could not read \"" + file.string() + "\": " + c.reason),
              std::string::npos)
        << messages_[0];
    EXPECT_EQ(asked, "Kestrune") << "Save did not ask";
    if (c.replaced) {
        EXPECT_EQ(readBytes(file), fileOf({kStartTurnsRow}));
    } else {
        EXPECT_EQ(fs::symlink_status(file).type(), kind);
    }
    std::error_code ec;
    fs::remove_all(file, ec);
}

INSTANTIATE_TEST_SUITE_P(
    CListDlg, UnreadableListTest,
    testing::Values(UnreadableCase{"fifo", [](const fs::path& f) { ::mkfifo(f.c_str(), 0644); },
                                   "it is a named pipe, not a file", "No", false},
                    UnreadableCase{"sparse_gigabyte_kept",
                                   [](const fs::path& f) {
                                       writeBytes(f, "TanII\n");
                                       fs::resize_file(f, std::uintmax_t{1} << 30);
                                   },
                                   "it is larger than 64 MiB", "No", false},
                    UnreadableCase{"sparse_gigabyte_replaced",
                                   [](const fs::path& f) {
                                       writeBytes(f, "TanII\n");
                                       fs::resize_file(f, std::uintmax_t{1} << 30);
                                   },
                                   "it is larger than 64 MiB", "Yes", true}),
    CaseName{});

enum class Target { ReadOnlyFile, MissingFolder };

struct FailedWriteCase {
    std::string name;
    const char* button;
    Target target;
};

class FailedWriteTest : public ListPageTest, public testing::WithParamInterface<FailedWriteCase> {};

TEST_P(FailedWriteTest, TellsTheUserAndKeepsTheOldFile) {
    const FailedWriteCase& c = GetParam();
    TempFolder other;
    const bool readOnly = c.target == Target::ReadOnlyFile;
    const fs::path file = readOnly ? other / "club.dta" : other / "gone" / "club.dta";
    if (readOnly) {
        writeBytes(file, "TanS\n");
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    }
    const bool save = std::string_view(c.button) == "Save";
    answerFileDialog(file); // Save writes where Load found its file
    Rows shown;
    run([&](Sheet& sheet) {
        if (save) {
            sheet.click("Load");
        }
        sheet.click("Add");
        shown = sheet.rows();
        sheet.click(c.button);
        EXPECT_EQ(sheet.rows(), shown) << "the list stays on the page";
    });
    ASSERT_EQ(messages_.size(), 1U);
    const std::string& message = messages_[0];
    EXPECT_NE(message.find('"' + file.string() + '"'), std::string::npos) << message;
    const char* reason = readOnly ? "read-only" : "gone\" does not exist";
    EXPECT_NE(message.find(reason), std::string::npos) << message;
    if (readOnly) {
        EXPECT_EQ(readBytes(file), "TanS\n");
    } else {
        EXPECT_FALSE(fs::exists(file.parent_path()));
    }
    // A failed SaveAs (or Print) leaves the list file the list came from.
    EXPECT_EQ(currentListFile().path(), save ? file : startDirectory() / "kes.dta");
}

INSTANTIATE_TEST_SUITE_P(
    CListDlg, FailedWriteTest,
    testing::Values(FailedWriteCase{"save_read_only", "Save", Target::ReadOnlyFile},
                    FailedWriteCase{"save_missing_folder", "Save", Target::MissingFolder},
                    FailedWriteCase{"save_as_read_only", "SaveAs", Target::ReadOnlyFile},
                    FailedWriteCase{"save_as_missing_folder", "SaveAs", Target::MissingFolder},
                    FailedWriteCase{"print_read_only", "Print", Target::ReadOnlyFile},
                    FailedWriteCase{"print_missing_folder", "Print", Target::MissingFolder}),
    CaseName{});

} // namespace
} // namespace kestrune::test
