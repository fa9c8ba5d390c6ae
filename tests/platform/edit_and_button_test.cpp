// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "tests/platform/run_dialog.h"
#include "tests/platform/test_windows.h"
#include "tests/support/case_name.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace kestrune::test {
namespace {

using test::PrintTo;

// A change to the box's text, from "12" with its "1" selected (the caret after it).
struct TextChange {
    const char* name;
    std::function<void(Edit& edit, QWidget* box)> change;
    const char* text;
    int updates; // EN_UPDATE raised
    int caret;
    const char* selected;
};

class TextChangeTest : public testing::TestWithParam<TextChange> {};

TEST_P(TextChangeTest, EveryChangeIsNotifiedButAShownText) {
    const TextChange& c = GetParam();
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        Edit edit = dialog.GetEdit(kTextEdit);
        auto* line = static_cast<QLineEdit*>(dialog.GetDlgItem(kTextEdit));
        line->setFocus();
        edit.SetWindowText("12");
        edit.SetSel(0, 1);
        dialog.events.clear();
        c.change(edit, line);
        EXPECT_EQ(edit.GetWindowText(), c.text);
        EXPECT_EQ(dialog.count(kTextEdit, EN_UPDATE), c.updates);
        EXPECT_EQ(line->cursorPosition(), c.caret);
        EXPECT_EQ(line->selectedText(), QString::fromUtf8(c.selected));
    });
}

const TextChange kTextChanges[] = {
    {"set_window_text", [](Edit& edit, QWidget*) { edit.SetWindowText(""); }, "", 1, 0, ""},
    {"set_window_text_of_the_same_text_still_counts",
     [](Edit& edit, QWidget*) { edit.SetWindowText("12"); }, "12", 1, 1, "1"},
    {"typed", [](Edit&, QWidget* box) { QTest::keyClicks(box, "34"); }, "342", 2, 2, ""},
    {"show_text", [](Edit& edit, QWidget*) { edit.ShowText("750"); }, "750", 0, 3, ""},
    {"show_text_of_the_same_text_changes_nothing",
     [](Edit& edit, QWidget*) { edit.ShowText("12"); }, "12", 0, 1, "1"}};
INSTANTIATE_TEST_SUITE_P(Edit, TextChangeTest, testing::ValuesIn(kTextChanges), CaseName{});

struct Entry {
    const char* name;
    std::function<void(QWidget* edit, QWidget* window)> enter;
    bool notified; // EN_SETFOCUS, before anything else
};

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

const Entry kEntries[] = {
    {"click", [](QWidget* edit, QWidget*) { QTest::mouseClick(edit, Qt::LeftButton); }, true},
    {"tab_from_the_control_before",
     [](QWidget* edit, QWidget*) {
         edit->previousInFocusChain()->setFocus();
         QTest::keyClick(edit->previousInFocusChain(), Qt::Key_Tab);
     },
     true},
    {"window_active_again_after_another",
     [](QWidget* edit, QWidget* window) {
         edit->setFocus();
         QWidget other(window, Qt::Window); // as the help opens beside the dialog
         other.show();
         other.activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
         window->activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(window));
         ASSERT_TRUE(edit->hasFocus());
     },
     false}};
INSTANTIATE_TEST_SUITE_P(Edit, EntryTest, testing::ValuesIn(kEntries), CaseName{});

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
    bool tipShown;                 // the tip that says what the box takes
    const char* tipWord = nullptr; // in the tip, when not the box's usual "point" or "digits"
    const char* keysAfter = "";    // after the paste, as a key sequence
};

class DigitsTest : public testing::TestWithParam<DigitsCase> {};

const std::string kLongNote(1'000'000, 'n'); // a line edit by itself takes 32,767

// On a German desktop too: no box keeps a decimal comma.
TEST_P(DigitsTest, TakesOnlyWhatTheStyleAllows) {
    const DigitsCase& c = GetParam();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        dialog.GetEdit(kDigitsEdit).SetRefusalTip("Whole inches only: the part after the point.");
        QWidget* edit = dialog.GetDlgItem(c.edit);
        edit->setFocus();
        QTest::keyClicks(edit, c.typed);
        if (*c.pasted != '\0') {
            QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        }
        QTest::keySequence(edit, QKeySequence(QString::fromUtf8(c.keysAfter)));
        EXPECT_EQ(c.edit == kRatioCombo ? dialog.GetComboBox(c.edit).GetWindowText()
                                        : dialog.GetEdit(c.edit).GetWindowText(),
                  c.expected);
        const auto* tip = edit->findChild<QLabel*>(QStringLiteral("refusalTip"));
        EXPECT_EQ(tip != nullptr && tip->isVisible(), c.tipShown);
        const char* word = c.tipWord ? c.tipWord : c.edit == kDecimalEdit ? "point" : "digits";
        EXPECT_TRUE(!c.tipShown ||
                    (tip->text().contains(word) && tip->accessibleName() == tip->text()));
    });
    QLocale::setDefault(QLocale::system());
}

INSTANTIATE_TEST_SUITE_P(
    Edit, DigitsTest,
    testing::Values(
        DigitsCase{"digits_typed", kDigitsEdit, "120", "", "120", false},
        DigitsCase{"point_sign_and_letters_refused", kDigitsEdit, "1.5-x", "", "1", true, "inches"},
        DigitsCase{"digits_after_a_point_refused", kDigitsEdit, "20.5", "", "20", true, "inches"},
        DigitsCase{"comma_refused_with_the_box_tip", kDigitsEdit, "3,5", "", "3", true, "inches"},
        DigitsCase{"a_letter_keeps_the_usual_tip", kDigitsEdit, "1x.5", "", "1", true},
        DigitsCase{"sign_refused_with_its_digit", kDigitsEdit, "-1", "", "", true},
        DigitsCase{"exponent_refused_with_its_digit", kDigitsEdit, "1e-7", "", "1", true},
        DigitsCase{"backspace_ends_a_refusal", kDigitsEdit, "12.\b5", "", "15", false},
        DigitsCase{"a_move_ends_a_refusal", kDigitsEdit, "12.", "", "152", false, {}, "Left,5"},
        DigitsCase{"end_key_ends_a_refusal", kDigitsEdit, "12.", "", "125", false, {}, "End,5"},
        DigitsCase{"refused_paste_refuses_the_next", kDigitsEdit, "1", "2.5", "1", true, {}, "5"},
        DigitsCase{"over_selection", kDigitsEdit, "12", "", "12", true, "inches", "Shift+Left,.,5"},
        DigitsCase{"pasted_digits_taken", kDigitsEdit, "1", "23", "123", false},
        DigitsCase{"paste_with_a_letter_refused_whole", kDigitsEdit, "1", "2a", "1", true},
        DigitsCase{"pasted_decimal_refused", kDigitsEdit, "", "2.5", "", true},
        DigitsCase{"paste_of_a_cell_loses_its_line_end", kDigitsEdit, "1", "2\n", "12", false},
        DigitsCase{"paste_loses_the_blanks_around_it", kDigitsEdit, "", " 15 ", "15", false},
        DigitsCase{"paste_with_a_blank_inside_refused", kDigitsEdit, "", "1 5", "", true},
        DigitsCase{"typed_blank_refused", kDigitsEdit, "1 ", "", "1", true},
        DigitsCase{"other_edit_takes_anything", kTextEdit, "1.5-x", "a", "1.5-xa", false},
        DigitsCase{"any_length", kTextEdit, "", kLongNote.c_str(), kLongNote.c_str(), false},
        DigitsCase{"decimal_typed", kDecimalEdit, "-12.5e-3", "", "-12.5e-3", false},
        DigitsCase{"decimal_comma_is_a_point", kDecimalEdit, "12,5", "", "12.5", false},
        DigitsCase{"second_point_or_comma_refused", kDecimalEdit, "1.2,5.3", "", "1.2", true},
        DigitsCase{"decimal_paste_of_a_cell", kDecimalEdit, "", " 0.042\r\n", "0.042", false},
        DigitsCase{"pasted_comma_refused_whole", kDecimalEdit, "1", "2,5", "1", true},
        DigitsCase{"paste_making_a_second_point_refused", kDecimalEdit, "1.5", ".2", "1.5", true},
        DigitsCase{"combo_takes_digits", kRatioCombo, "16", "", "16", false},
        DigitsCase{"combo_refuses_a_point", kRatioCombo, "1.6", "", "1", true},
        DigitsCase{"combo_paste_loses_its_line_end", kRatioCombo, "", "20\n", "20", false}),
    CaseName{});

TEST(Edit, ReadOnlyResultIsCopiedButNeverChangedByTheUser) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        dialog.GetEdit(kResultEdit).SetWindowText("1130");
        QWidget* result = dialog.GetDlgItem(kResultEdit);
        result->previousInFocusChain()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), result) << "Tab reaches it";
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier); // Tab selected it all
        QTest::keyClicks(result, "5\b");
        QTest::keyClick(result, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(dialog.GetEdit(kResultEdit).GetWindowText(), "1130");
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1130"));
        EXPECT_EQ(dialog.count(kResultEdit, EN_UPDATE), 1);
        // It does not look like a box to type into.
        const QPoint inside(result->width() - 4, result->height() / 2);
        EXPECT_NE(result->grab().toImage().pixelColor(inside),
                  dialog.GetDlgItem(kTextEdit)->grab().toImage().pixelColor(inside));
    });
}

TEST(ComboBox, ProgramOperationsNotifyNothing) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        ComboBox box = dialog.GetComboBox(kRatioCombo);
        EXPECT_EQ((std::vector{box.AddString("5"), box.AddString("10"), box.GetCount()}),
                  (std::vector{0, 1, 2}));
        EXPECT_EQ((std::vector{box.GetLBText(1), box.GetLBText(2)}),
                  (std::vector<std::string>{"10", ""}));
        box.SetCurSel(1);
        EXPECT_EQ(box.GetWindowText(), "10");
        // Assistive technology reads the label as its name and the entry as its value.
        QAccessibleInterface* seen =
            QAccessible::queryAccessibleInterface(dialog.GetDlgItem(kRatioCombo));
        EXPECT_EQ(seen->text(QAccessible::Name), QStringLiteral("Ratio"));
        EXPECT_EQ(seen->text(QAccessible::Value), QStringLiteral("10"));
        box.SetWindowText("7");
        EXPECT_EQ(box.GetCurSel(), -1);
        box.SetCurSel(-1);
        EXPECT_EQ(box.GetWindowText(), "");
        box.ResetContent();
        EXPECT_EQ((std::vector{box.GetCount(), dialog.count(kRatioCombo, CBN_SELCHANGE),
                               dialog.count(kRatioCombo, CBN_EDITCHANGE)}),
                  (std::vector{0, 0, 0}));
        EXPECT_EQ(dialog.GetDlgItem(kRatioCombo)->height(),
                  dialog.GetDlgItem(kDecimalEdit)->height())
            << "laid out as an edit of the same template height";
    });
}

// On entries 5, 10 and 16 showing 5: nothing is completed or picked by typing alone.
TEST(ComboBox, TellsPicksAndTypingApart) {
    struct Use {
        const char* keys;
        const char* text;
        int curSel, picks, edits; // picks: CBN_SELCHANGE, edits: CBN_EDITCHANGE
    };
    for (const Use& use : std::vector<Use>{{"End,Backspace,1", "1", -1, 0, 2},
                                           {"End,Backspace,1,6", "16", 2, 0, 3},
                                           {"Down", "10", 1, 1, 0},
                                           {"Up", "5", 0, 0, 0}}) {
        RecordingDialog dialog;
        runDialog(dialog, [&](QWidget*) {
            ComboBox box = dialog.GetComboBox(kRatioCombo);
            for (const char* ratio : {"5", "10", "16"})
                box.AddString(ratio);
            box.SetCurSel(0);
            dialog.GetDlgItem(kRatioCombo)->setFocus(Qt::TabFocusReason);
            QTest::keySequence(dialog.GetDlgItem(kRatioCombo), QKeySequence(use.keys));
            EXPECT_EQ(box.GetWindowText(), use.text) << use.keys;
            EXPECT_EQ(box.GetCurSel(), use.curSel) << use.keys;
            EXPECT_EQ(dialog.count(kRatioCombo, CBN_SELCHANGE), use.picks) << use.keys;
            EXPECT_EQ(dialog.count(kRatioCombo, CBN_EDITCHANGE), use.edits) << use.keys;
        });
    }
}

// A screen reader keeps one object for the box and reads its entry before any choice, in the
// value and as the list's selected entry.
TEST(ComboBox, KeepsOneAccessibleObjectAndReadsItsEntry) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        ComboBox box = dialog.GetComboBox(kRatioCombo);
        for (const char* ratio : {"5", "10", "16"})
            box.AddString(ratio);
        box.SetCurSel(1);
        QWidget* widget = dialog.GetDlgItem(kRatioCombo);
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(widget);
        const QAccessible::Id id = QAccessible::uniqueId(seen);
        QAccessibleTableInterface* entries = seen->child(0)->tableInterface();
        ASSERT_TRUE(entries != nullptr && entries->selectedCellCount() == 1);
        EXPECT_EQ(entries->selectedCells()[0]->text(QAccessible::Name), QStringLiteral("10"));
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, Qt::Key_Down);
        EXPECT_EQ(entries->selectedCells()[0]->text(QAccessible::Name), QStringLiteral("16"));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() - 4, 4));
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        QWidget* popupList = qobject_cast<QComboBox*>(widget)->view();
        QTest::keyClick(popupList, Qt::Key_Up);
        QTest::keyClick(popupList, Qt::Key_Return);
        EXPECT_EQ(box.GetWindowText(), "10");
        EXPECT_EQ(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)), id);
        EXPECT_EQ(seen->text(QAccessible::Value), QStringLiteral("10"));
    });
}

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
