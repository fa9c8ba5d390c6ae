// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/seams.h"
#include "tests/ui/page_sheet.h"
#include "ui/CMotorApp.h"
#include "ui/resources/dialog_templates.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <cmath>
#include <vector>

namespace kestrune::test {
namespace {

using namespace platform;

class CalcPages : public PageSheetTest {};

// Every control reaches the page's model and its line shows on top of the result list (the
// rules are the model's table): the lists, Length, Vorlick, Default and Defaults, and the type
// chosen on the other page when a page is shown again.
TEST_F(CalcPages, EveryControlReachesTheModelAndItsLineShowsOnTop) {
    writeFileAtomically(settingsFilePath(), "120\n0\n90\n3.00\n0.00\n1.50\n");
    runSheet([&](QWidget* sheet) {
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), "67");
        EXPECT_EQ(turns_.GetEdit(IDC_LENGTH).GetWindowText(), "1");
        chooseEntry(turns_, IDC_WIDTH, 4);   // 1/4
        chooseEntry(turns_, IDC_STRANDS, 7); // 16
        chooseEntry(turns_, IDC_LIMIT, 2);   // 90
        enter(turns_, IDC_LENGTH, "20");
        const std::vector<std::pair<std::function<void()>, const char*>> turnsSteps{
            {[] {}, "540"},
            {[&] { clickButton(sheet, "Default"); }, "481"},
            {[&] { chooseEntry(turns_, IDC_TYPE, TanSport); }, "405"},
            {[&] { QTest::mouseClick(turns_.GetDlgItem(IDC_VORLICK), Qt::LeftButton); }, "630"},
        };
        for (const auto& [step, line] : turnsSteps) {
            step();
            EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), line);
        }
        activate(TorquePage);
        EXPECT_EQ(torque_.GetListBox(IDC_TYPE).GetCurSel(), TanSport);
        EXPECT_EQ(topLine(torque_, IDC_TORQUE_RESULT), "3.40");
        chooseEntry(torque_, IDC_TYPE, TanII);
        EXPECT_EQ(topLine(torque_, IDC_TORQUE_RESULT), "6.79");
        clickButton(sheet, "Defaults");
        EXPECT_EQ(topLine(torque_, IDC_TORQUE_RESULT), "6.11");
        activate(TurnsPage);
        EXPECT_EQ(turns_.GetListBox(IDC_TYPE).GetCurSel(), TanII);
        EXPECT_EQ(calcState().turnsConstant, 120);
        const int lines = lineCount(torque_, IDC_TORQUE_RESULT);
        activate(TorquePage);
        EXPECT_EQ(lineCount(torque_, IDC_TORQUE_RESULT), lines) << "the same type, nothing new";
        EXPECT_EQ(calcState().torqueConstant, 2.7);
    });
}

TEST_F(CalcPages, EnteringLengthEmptiesItAndEachDigitRecomputes) {
    runSheet([&](QWidget*) {
        auto* length = qobject_cast<QLineEdit*>(turns_.GetDlgItem(IDC_LENGTH));
        const int before = lineCount(turns_, IDC_TURNS_RESULT);
        QTest::mouseClick(length, Qt::LeftButton);
        EXPECT_TRUE(length->text().isEmpty());
        EXPECT_EQ(lineCount(turns_, IDC_TURNS_RESULT), before) << "an empty length shows nothing";
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), "60");
        EXPECT_EQ(calcState().turnsMotor.length, 0);
        EXPECT_EQ(calcState().turnsMotor.turns, 60) << "the previous turns stay recorded";

        QTest::keyClicks(length, "12");
        EXPECT_EQ(lineCount(turns_, IDC_TURNS_RESULT), before + 2);
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), "725"); // 907 turns * 0.8
        EXPECT_EQ(turns_.GetListBox(IDC_TURNS_RESULT).GetText(1), "60");
    });
}

// Coming back to the sheet from the help, or from another program, is no new entry into Length.
TEST_F(CalcPages, LengthTypedSurvivesTheHelpAndTheReturn) {
    CMotorApp app;
    app.m_pMainWnd = &sheet_;
    runSheet([&](QWidget* sheet) {
        auto* length = qobject_cast<QLineEdit*>(turns_.GetDlgItem(IDC_LENGTH));
        QTest::mouseClick(length, Qt::LeftButton);
        QTest::keyClicks(length, "10");
        QTest::keyClick(length, Qt::Key_F1);
        bringToFront(shownHelp());
        bringToFront(sheet);
        EXPECT_EQ(length->text(), QStringLiteral("10"));
    });
    app.m_pMainWnd = nullptr;
}

TEST_F(CalcPages, EnteringLengthWithUncalibratedTypeShowsUndefined) {
    runSheet([&](QWidget*) {
        chooseEntry(turns_, IDC_TYPE, TanSport);
        const int before = lineCount(turns_, IDC_TURNS_RESULT);
        QTest::mouseClick(turns_.GetDlgItem(IDC_LENGTH), Qt::LeftButton);
        EXPECT_EQ(lineCount(turns_, IDC_TURNS_RESULT), before + 1);
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), "Undefined");
    });
}

TEST_F(CalcPages, LengthTakesDigitsOnlyTypedOrPasted) {
    runSheet([&](QWidget*) {
        auto* length = qobject_cast<QLineEdit*>(turns_.GetDlgItem(IDC_LENGTH));
        QTest::mouseClick(length, Qt::LeftButton);
        QTest::keyClicks(length, "20.5");
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), "1210"); // 1513 turns * 0.8
        EXPECT_EQ(length->findChild<QLabel*>()->text().toStdString(),
                  "Whole inches only: the part after the point is not taken.");
        QTest::keyClicks(length, "\b\b123");
        EXPECT_EQ(length->text(), QStringLiteral("123"));
        QApplication::clipboard()->setText(QStringLiteral("4.5x6"));
        length->paste();
        EXPECT_EQ(length->text(), QStringLiteral("123")) << "a paste with other characters";
        QTest::keyClick(length, Qt::Key_End); // a move ends the refusal the paste began
        QApplication::clipboard()->setText(QStringLiteral("456"));
        length->paste();
        EXPECT_EQ(length->text(), QStringLiteral("123456"));
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), "7472586"); // 9340733 turns * 0.8
    });
}

TEST_F(CalcPages, KeyboardReachesEveryControlInTemplateOrder) {
    runSheet([&](QWidget*) {
        const std::vector<int> order{IDC_TYPE,    IDC_WIDTH, IDC_LENGTH,    IDC_TURNS_RESULT,
                                     IDC_STRANDS, IDC_LIMIT, IDC_CALIBRATE, IDC_DEFAULT,
                                     IDC_VORLICK, IDC_HELP};
        QWidget* first = turns_.GetDlgItem(order.front());
        first->setFocus(Qt::TabFocusReason);
        for (std::size_t i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), turns_.GetDlgItem(order[i])) << "stop " << i;
        }
    });
}

TEST_F(CalcPages, ListsOfAColumnLineUpWhenOneWidensForItsEntries) {
    runSheet([&](QWidget*) {
        activate(TorquePage);
        for (CCalcPage* page :
             {static_cast<CCalcPage*>(&turns_), static_cast<CCalcPage*>(&torque_)}) {
            const QRect type = page->GetDlgItem(IDC_TYPE)->geometry();
            const int textWidth = page->GetDlgItem(IDC_TYPE)->fontMetrics().horizontalAdvance(
                QStringLiteral("Tan Super Sport"));
            // The row shown is the selection: its place, inside the border and left of the arrows.
            auto* box = qobject_cast<QAbstractItemView*>(page->GetDlgItem(IDC_TYPE));
            EXPECT_GT(box->visualRect(box->currentIndex()).width(), textWidth);
            for (const int id : {IDC_WIDTH, IDC_STRANDS}) {
                EXPECT_EQ(page->GetDlgItem(id)->x(), type.x()) << id;
                EXPECT_EQ(page->GetDlgItem(id)->width(), type.width()) << id;
            }
        }
    });
}

// Whatever the user does to a result box, it shows the newest result.
TEST_F(CalcPages, ResultBoxesShowTheNewestResultWhateverTheUserDoes) {
    using Box = QAbstractItemView;
    // Left of the arrows a one-line box shows its row.
    const auto rowPoint = [](Box* box) { return QPoint(box->width() / 3, box->height() / 2); };
    const std::vector<std::pair<const char*, std::function<void(Box*)>>> actions{
        {"wheel notch", [](Box* box) { wheelOver(box->viewport(), -120); }},
        {"click and Down",
         [&](Box* box) {
             QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, rowPoint(box));
             QTest::keyClick(box, Qt::Key_Down);
         }},
        {"End and Page Down",
         [](Box* box) {
             box->setFocus(Qt::TabFocusReason);
             QTest::keyClick(box, Qt::Key_End);
             QTest::keyClick(box, Qt::Key_PageDown);
         }},
    };
    runSheet([&](QWidget*) {
        activate(TorquePage);
        for (const auto& [name, act] : actions) {
            for (CCalcPage* page :
                 {static_cast<CCalcPage*>(&turns_), static_cast<CCalcPage*>(&torque_)}) {
                SCOPED_TRACE(name);
                activate(page == &turns_ ? TurnsPage : TorquePage);
                const int id = page == &turns_ ? IDC_TURNS_RESULT : IDC_TORQUE_RESULT;
                auto* box = static_cast<Box*>(page->GetDlgItem(id));
                act(box);
                stepList(*page, IDC_STRANDS, 1); // a new result
                EXPECT_EQ(box->indexAt(rowPoint(box)).row(), 0) << "an older line shows";
            }
        }
    });
}

// Turning the pages never puts the focus into a page's control: coming back to the Breaking
// Turns page keeps the length typed there. The ways: a click on the tab, the wheel over the
// tabs, and the keys.
TEST_F(CalcPages, TurningThePagesKeepsTheFocusOnTheTabsAndTheLengthTyped) {
    using Turn = std::function<void(QTabWidget*, int page)>;
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) -> Turn {
        return
            [=](QTabWidget*, int) { QTest::keyClick(QApplication::focusWidget(), key, modifiers); };
    };
    const std::vector<std::pair<const char*, Turn>> ways{
        {"click on the tab",
         [](QTabWidget* tabs, int page) {
             QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                               tabs->tabBar()->tabRect(page).center());
         }},
        {"wheel over the tabs",
         [](QTabWidget* tabs, int page) {
             wheelOver(tabs->tabBar(), page < tabs->currentIndex() ? 120 : -120);
         }},
        {"Ctrl+Tab", press(Qt::Key_Tab, Qt::ControlModifier)},
        {"Ctrl+Shift+Tab", press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier)},
        {"Ctrl+PgDn", press(Qt::Key_PageDown, Qt::ControlModifier)},
        {"Ctrl+PgUp", press(Qt::Key_PageUp, Qt::ControlModifier)},
    };
    runSheet([&](QWidget* sheet) {
        auto* length = qobject_cast<QLineEdit*>(turns_.GetDlgItem(IDC_LENGTH));
        auto* tabs = sheet->findChild<QTabWidget*>();
        for (const auto& [name, turn] : ways) {
            SCOPED_TRACE(name);
            QTest::mouseClick(length, Qt::LeftButton); // the focus is in the box, as after typing
            QTest::keyClicks(length, "10");
            for (const int page : {ListPage, TorquePage, TurnsPage}) {
                for (int i = 0; i < tabs->count() && tabs->currentIndex() != page; ++i)
                    turn(tabs, page);
                ASSERT_EQ(tabs->currentIndex(), page);
                EXPECT_FALSE(tabs->currentWidget()->isAncestorOf(QApplication::focusWidget()))
                    << "the focus went into the page shown";
            }
            EXPECT_EQ(length->text(), QStringLiteral("10"));
        }
        chooseEntry(turns_, IDC_STRANDS, 3); // 8 strands
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), "428");
        EXPECT_EQ(calcState().turnsMotor.length, 10);
    });
}

TEST_F(CalcPages, HelpButtonsAskForTheApplicationTopic) {
    std::vector<unsigned long> topics;
    setHelpHook([&](unsigned long context) { topics.push_back(context); });
    CMotorApp app;
    app.m_pMainWnd = &sheet_;
    runSheet([&](QWidget* sheet) {
        clickButton(sheet, "Help");
        activate(TorquePage);
        clickButton(sheet, "Help");
    });
    app.m_pMainWnd = nullptr;
    setHelpHook({});
    EXPECT_EQ(topics, (std::vector<unsigned long>{1, 1}));
}

} // namespace
} // namespace kestrune::test
