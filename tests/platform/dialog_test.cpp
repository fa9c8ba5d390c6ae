// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/CWinApp.h"
#include "platform/seams.h"
#include "tests/platform/run_dialog.h"
#include "tests/platform/test_windows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>

namespace kestrune::test {
namespace {

struct EndCase {
    const char* name;
    std::function<void(QWidget*)> act;
    int result;
    int tickedAfter; // the dialog opens ticked (1); the user clears the box first
};

void PrintTo(const EndCase& c, std::ostream* out) {
    *out << c.name;
}

class EndTest : public testing::TestWithParam<EndCase> {};

TEST_P(EndTest, ResultAndDataExchange) {
    const EndCase& c = GetParam();
    RecordingDialog dialog;
    const int result = runDialog(dialog, [&](QWidget* window) {
        QWidget* box = dialog.GetDlgItem(kCheckBox);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        c.act(window);
        EXPECT_FALSE(window->isVisible()) << "the dialog must have ended";
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(dialog.ticked, c.tickedAfter);
    EXPECT_EQ(dialog.widget(), nullptr) << "the window is gone after DoModal";
}

INSTANTIATE_TEST_SUITE_P(
    Dialog, EndTest,
    testing::Values(
        EndCase{"ok_button", [](QWidget* w) { clickButton(w, "OK"); }, IDOK, 0},
        EndCase{"enter_in_an_edit_presses_the_default_button",
                [](QWidget* w) {
                    QWidget* edit = findByAccessibleName(w, "Any text");
                    edit->setFocus();
                    QTest::keyClick(edit, Qt::Key_Return);
                },
                IDOK, 0},
        EndCase{"cancel_button", [](QWidget* w) { clickButton(w, "Cancel"); }, IDCANCEL, 1},
        EndCase{"escape", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, IDCANCEL, 1},
        EndCase{"close_box", [](QWidget* w) { w->close(); }, IDCANCEL, 1}),
    [](const testing::TestParamInfo<EndCase>& param) { return param.param.name; });

TEST(Dialog, OpensWithTheVariablesInItsControlsAndTheFocusOnTheFirstTabStop) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget* window) {
        EXPECT_TRUE(dialog.GetButton(kCheckBox).GetCheck());
        EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(IDOK));
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Test Dialog"));
    });
}

TEST(Dialog, TabOrderIsTemplateOrder) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        std::vector<QWidget*> expected;
        for (const ControlTemplate& control : kTestControls) {
            if (control.kind != ControlKind::Static) {
                expected.push_back(dialog.GetDlgItem(control.id));
            }
        }
        std::vector<QWidget*> visited;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            visited.push_back(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(visited, expected);
        EXPECT_EQ(QApplication::focusWidget(), expected.front()) << "Tab wraps around";
    });
}

TEST(Dialog, LabelsNameTheirControls) {
    // The role too: a screen reader says "list" and reads the rows of a one-row box as well.
    using enum QAccessible::Role;
    const std::vector<std::tuple<int, QString, QAccessible::Role>> expected{
        {kOneLineList, "Kind", List},
        {kRowList, "Rows", List},
        {kNoSelList, "Result", List},
        {kDigitsEdit, "Digits", EditableText},
        {kTextEdit, "Any text", EditableText},
        {kCheckBox, "Tick me", CheckBox},
        {IDOK, "OK", PushButton},
        {kNestedButton, "Nested", PushButton},
        {kDecimalEdit, "Decimal", EditableText},
        {kResultEdit, "Copy me", EditableText},
        {kRatioCombo, "Ratio", ComboBox},
    };
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget* window) {
        for (const auto& [id, name, role] : expected) {
            // As assistive technology reads it, not only as set on the widget.
            QAccessibleInterface* seen =
                QAccessible::queryAccessibleInterface(dialog.GetDlgItem(id));
            EXPECT_EQ(seen->text(QAccessible::Name), name) << id;
            EXPECT_EQ(seen->role(), role) << id;
        }
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->isWindow()) // a tip, not a label of the dialog
                continue;
            ASSERT_NE(label->buddy(), nullptr) << label->text().toStdString();
            EXPECT_EQ(label->buddy()->accessibleName(), label->text());
        }
    });
}

TEST(Dialog, ModalDialogsNest) {
    RecordingDialog outer;
    int innerResult = 0;
    bool outerBlocked = false;
    outer.onNested = [&](RecordingDialog& self) {
        RecordingDialog inner(kTestDialog, &self);
        innerResult = runDialog(inner, [&](QWidget* window) {
            outerBlocked =
                QApplication::activeModalWidget() == window && self.widget()->isVisible();
            clickButton(window, "OK");
        });
    };
    const int outerResult = runDialog(outer, [&](QWidget* window) {
        clickButton(window, "Nested");
        EXPECT_TRUE(window->isVisible()) << "the outer dialog runs on after the inner one";
        clickButton(window, "Cancel");
    });
    EXPECT_EQ(innerResult, IDOK);
    EXPECT_EQ(outerResult, IDCANCEL);
    EXPECT_TRUE(outerBlocked);
}

TEST(Dialog, WithoutTitleBarIsFrameless) {
    static constexpr DialogTemplate kQuestion{
        501, "", 100, 40, dialog_style::NoTitle, std::span(kTestControls).first(2)};
    RecordingDialog dialog(kQuestion);
    const int result = runDialog(dialog, [&](QWidget* window) {
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QTest::keyClick(window, Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
}

TEST(Dialog, LayoutFollowsTheFontSize) {
    const QFont original = QApplication::font();
    std::vector<QRect> rects;
    for (const qreal points : {9.0, 18.0}) {
        QFont font = original;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        RecordingDialog dialog;
        runDialog(dialog,
                  [&](QWidget*) { rects.push_back(dialog.GetDlgItem(kRowList)->geometry()); });
    }
    QApplication::setFont(original);
    ASSERT_EQ(rects.size(), 2U);
    EXPECT_NEAR(rects[1].width(), 2.0 * rects[0].width(), 0.15 * rects[0].width());
    EXPECT_NEAR(rects[1].height(), 2.0 * rects[0].height(), 0.15 * rects[0].height());
}

// The application's help goes to the main window's WinHelp.
class SpyWindow : public CWnd {
public:
    std::vector<unsigned long> requests;
    void WinHelp(unsigned long data, unsigned command) override {
        requests.push_back(data);
        CWnd::WinHelp(data, command);
    }
};

class TestApp : public CWinApp {
public:
    bool InitInstance() override { return false; }
};

TEST(Dialog, F1AsksForTheDialogsHelpContextThroughTheApplication) {
    std::vector<unsigned long> shown;
    setHelpHook([&](unsigned long context) { shown.push_back(context); });
    TestApp app;
    SpyWindow mainWindow;
    app.m_pMainWnd = &mainWindow;
    RecordingDialog dialog;
    dialog.SetHelpContext(2);
    runDialog(dialog, [&](QWidget* window) { QTest::keyClick(window, Qt::Key_F1); });
    setHelpHook({});
    EXPECT_EQ(mainWindow.requests, std::vector<unsigned long>{2});
    EXPECT_EQ(shown, std::vector<unsigned long>{2});
}

TEST(Dialog, F1WithoutApplicationObjectStillReachesTheHelp) {
    std::vector<unsigned long> shown;
    setHelpHook([&](unsigned long context) { shown.push_back(context); });
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget* window) { QTest::keyClick(window, Qt::Key_F1); });
    setHelpHook({});
    EXPECT_EQ(shown, std::vector<unsigned long>{1});
}

} // namespace
} // namespace kestrune::test
