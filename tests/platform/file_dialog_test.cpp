// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The real file dialog behind CFileDialog, used as a user uses it: a name typed into it, Return,
// and the question the dialog asks before it hands back a file that exists.

#include "platform/CFileDialog.h"
#include "platform/win_constants.h"
#include "tests/support/case_name.h"
#include "tests/support/modal.h"
#include "tests/support/temp_folder.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace kestrune::test {
namespace {

using namespace kestrune::platform;

struct RealDialogCase {
    std::string name;
    bool open;
    unsigned flags;
    const char* folder;     // below a fresh temporary folder, which holds a file "club.dta"
    const char* typed;      // typed into the name box; nullptr: the box is left as it opens
    const char* askedAbout; // the file the dialog's question names; nullptr: no question
    const char* answer;     // the button that answers the question
    const char* chosen;     // the file handed back; nullptr: the dialog was cancelled
};

using test::PrintTo;

class RealFileDialogTest : public testing::TestWithParam<RealDialogCase> {};

TEST_P(RealFileDialogTest, HandsBackTheFileItAskedAbout) {
    const RealDialogCase& c = GetParam();
    TempFolder temp;
    const std::filesystem::path folder = *c.folder != '\0' ? temp / c.folder : temp.path();
    std::filesystem::create_directories(folder);
    writeBytes(folder / "club.dta", "TanII\n");

    QString question;
    answerNextModal([&](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(std::filesystem::path(dialog->directory().absolutePath().toStdString()), folder);
        auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nameBox, nullptr);
        if (c.askedAbout != nullptr) {
            answerNextModal([&](QWidget* box) {
                question = static_cast<QMessageBox*>(box)->text();
                clickButton(box, QString::fromUtf8(c.answer));
            });
        }
        if (c.typed != nullptr) {
            nameBox->clear();
            QTest::keyClicks(nameBox, QString::fromUtf8(c.typed));
        }
        QTest::keyClick(nameBox, Qt::Key_Return);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    CFileDialog dialog(c.open, "dta", "*.dta", c.flags, "Motor lists (*.dta)|*.dta||", nullptr,
                       folder);
    const int result = dialog.DoModal();
    clearModalAnswers();

    if (c.askedAbout != nullptr) {
        EXPECT_TRUE(question.contains(QString::fromUtf8(c.askedAbout))) << question.toStdString();
    } else {
        EXPECT_TRUE(question.isEmpty()) << question.toStdString();
    }
    if (c.chosen != nullptr) {
        ASSERT_EQ(result, IDOK);
        EXPECT_EQ(dialog.GetPathName(), folder / c.chosen);
    } else {
        EXPECT_EQ(result, IDCANCEL);
    }
    EXPECT_EQ(readBytes(folder / "club.dta"), "TanII\n") << "the dialog itself writes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    CFileDialog, RealFileDialogTest,
    testing::Values(
        RealDialogCase{"save_asks_about_the_name_with_its_extension", false, OFN_OVERWRITEPROMPT,
                       "", "club", "club.dta", "Yes", "club.dta"},
        RealDialogCase{"a_dot_in_the_folder_name_changes_nothing", false, OFN_OVERWRITEPROMPT,
                       "my.lists", "club", "club.dta", "Yes", "club.dta"},
        RealDialogCase{"no_to_the_question_hands_back_nothing", false, OFN_OVERWRITEPROMPT, "",
                       "club", "club.dta", "No", nullptr},
        RealDialogCase{"a_new_name_gets_the_extension_unasked", false, OFN_OVERWRITEPROMPT, "",
                       "fresh", nullptr, "", "fresh.dta"},
        RealDialogCase{"a_name_with_a_dot_keeps_it", false, OFN_OVERWRITEPROMPT, "", "club.old",
                       nullptr, "", "club.old"},
        RealDialogCase{"without_the_flag_save_replaces_unasked", false, 0, "", "club", nullptr, "",
                       "club.dta"},
        RealDialogCase{"the_pattern_it_opens_with_is_no_name", false, OFN_OVERWRITEPROMPT, "",
                       nullptr, nullptr, "", nullptr},
        RealDialogCase{"open_takes_a_new_name", true, 0, "", "new", nullptr, "", "new.dta"},
        RealDialogCase{"open_of_existing_files_only_refuses_it", true, OFN_FILEMUSTEXIST, "", "new",
                       "new.dta", "OK", nullptr}),
    CaseName{});

} // namespace
} // namespace kestrune::test
