// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "tests/platform/run_dialog.h"
#include "tests/platform/test_windows.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace kestrune::test {
namespace {

TEST(Edit, EveryTextChangeIsNotifiedEvenBySetWindowText) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        Edit edit = dialog.GetEdit(kTextEdit);
        edit.SetWindowText("1");
        edit.SetWindowText("1"); // the same text again still counts
        edit.SetWindowText("");
        EXPECT_EQ(dialog.count(kTextEdit, EN_UPDATE), 3);
        dialog.GetDlgItem(kTextEdit)->setFocus();
        QTest::keyClicks(dialog.GetDlgItem(kTextEdit), "12");
        EXPECT_EQ(dialog.count(kTextEdit, EN_UPDATE), 5);
        EXPECT_EQ(edit.GetWindowText(), "12");
    });
}

struct Entry {
    const char* name;
    std::function<void(QWidget* edit, QWidget* window)> enter;
    bool notified; // EN_SETFOCUS, before anything else
};

void PrintTo(const Entry& c, std::ostream* out) {
    *out << c.name;
}

class EntryTest : public testing::TestWithParam<Entry> {};

// The way the Length box empties itself when the user enters it, and only then.
TEST_P(EntryTest, FocusIsNotifiedOnlyForADeliberateEntry) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget* window) {
        dialog.GetEdit(kDigitsEdit).SetWindowText("7");
        dialog.events.clear();
        GetParam().enter(dialog.GetDlgItem(kDigitsEdit), window);
        const bool notified = !dialog.events.empty() &&
                              dialog.events.front() == Event{kDigitsEdit, EN_SETFOCUS, false};
        EXPECT_EQ(notified, GetParam().notified);
        EXPECT_EQ(dialog.count(kDigitsEdit, EN_SETFOCUS), GetParam().notified ? 1 : 0);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Edit, EntryTest,
    testing::Values(Entry{"click",
                          [](QWidget* edit, QWidget*) { QTest::mouseClick(edit, Qt::LeftButton); },
                          true},
                    Entry{"tab_from_the_control_before",
                          [](QWidget* edit, QWidget*) {
                              QWidget* before = edit->previousInFocusChain();
                              before->setFocus();
                              QTest::keyClick(before, Qt::Key_Tab);
                          },
                          true},
                    Entry{"window_active_again_after_another",
                          [](QWidget* edit, QWidget* window) {
                              edit->setFocus();
                              QWidget other(window,
                                            Qt::Window); // as the help opens beside the dialog
                              other.show();
                              other.activateWindow();
                              ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
                              window->activateWindow();
                              ASSERT_TRUE(QTest::qWaitForWindowActive(window));
                              ASSERT_TRUE(edit->hasFocus());
                          },
                          false}),
    [](const testing::TestParamInfo<Entry>& param) { return param.param.name; });

TEST(Edit, SetSelSelectsBackwardsWithTheCaretAtItsEnd) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        Edit edit = dialog.GetEdit(kTextEdit);
        edit.SetWindowText("1");
        edit.SetSel(1, 0);
        edit.ScrollCaret();
        auto* line = static_cast<QLineEdit*>(dialog.GetDlgItem(kTextEdit));
        EXPECT_EQ(line->selectedText(), QStringLiteral("1"));
        EXPECT_EQ(line->cursorPosition(), 0);
    });
}

struct DigitsCase {
    const char* name;
    int edit;
    const char* typed;
    const char* pasted;
    const char* expected;
    bool tipShown; // the tip that says what the box takes
};

void PrintTo(const DigitsCase& c, std::ostream* out) {
    *out << c.name;
}

class DigitsTest : public testing::TestWithParam<DigitsCase> {};

TEST_P(DigitsTest, TakesOnlyWhatTheStyleAllows) {
    const DigitsCase& c = GetParam();
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        QWidget* edit = dialog.GetDlgItem(c.edit);
        edit->setFocus();
        QTest::keyClicks(edit, c.typed);
        if (*c.pasted != '\0') {
            QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        }
        EXPECT_EQ(dialog.GetEdit(c.edit).GetWindowText(), c.expected);
        const auto* tip = edit->findChild<QLabel*>(QStringLiteral("refusalTip"));
        EXPECT_EQ(tip != nullptr && tip->isVisible(), c.tipShown);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Edit, DigitsTest,
    testing::Values(
        DigitsCase{"digits_typed", kDigitsEdit, "120", "", "120", false},
        DigitsCase{"point_sign_and_letters_refused", kDigitsEdit, "1.5-x", "", "15", true},
        DigitsCase{"a_digit_after_a_refusal_takes_the_tip_away", kDigitsEdit, "1.5", "", "15",
                   false},
        DigitsCase{"pasted_digits_taken", kDigitsEdit, "1", "23", "123", false},
        DigitsCase{"paste_with_a_letter_refused_whole", kDigitsEdit, "1", "2a", "1", true},
        DigitsCase{"pasted_decimal_refused", kDigitsEdit, "", "2.5", "", true},
        DigitsCase{"paste_of_a_cell_loses_its_line_end", kDigitsEdit, "1", "2\n", "12", false},
        DigitsCase{"paste_loses_the_blanks_around_it", kDigitsEdit, "", " 15 ", "15", false},
        DigitsCase{"paste_with_a_blank_inside_refused", kDigitsEdit, "", "1 5", "", true},
        DigitsCase{"typed_blank_refused", kDigitsEdit, "1 ", "", "1", true},
        DigitsCase{"other_edit_takes_anything", kTextEdit, "1.5-x", "a", "1.5-xa", false}),
    [](const testing::TestParamInfo<DigitsCase>& param) { return param.param.name; });

TEST(CheckBox, ClickArrivesAfterTheBoxToggled) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        QWidget* box = dialog.GetDlgItem(kCheckBox);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        dialog.GetButton(kCheckBox).SetCheck(false); // the program's change is not a click
        const std::vector<Event> expected{{kCheckBox, BN_CLICKED, false},
                                          {kCheckBox, BN_CLICKED, true}};
        std::vector<Event> clicks;
        for (const Event& event : dialog.events) {
            if (event.code == BN_CLICKED) {
                clicks.push_back(event);
            }
        }
        // The dialog opened ticked (DDX of ticked = 1): the click clears it, Space ticks it.
        EXPECT_EQ(clicks, expected);
    });
}

} // namespace
} // namespace kestrune::test
