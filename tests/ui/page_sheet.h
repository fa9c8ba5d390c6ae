// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The page sheet as the program builds it, for tests that drive its pages as a user would:
// each test starts from a fresh run (no kes.cfg unless the test writes one).

#include "core/calc_state.h"
#include "core/preferences.h"
#include "files/disk_file.h"
#include "platform/CPropertySheet.h"
#include "tests/support/modal.h"
#include "tests/support/program_files.h"
#include "ui/CBatchLogDlg.h"
#include "ui/CListDlg.h"
#include "ui/CMotorWeightDlg.h"
#include "ui/COptionsDlg.h"
#include "ui/CTestDlg.h"
#include "ui/CTorqueDlg.h"
#include "ui/CTorqueTestDlg.h"
#include "ui/CTurnsDlg.h"
#include "ui/CWindingDlg.h"
#include "ui/file_reports.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace kestrune::test {

enum PageIndex {
    TurnsPage = 0,
    TorquePage = 1,
    TestPage = 2,
    ListPage = 3,
    OptionsPage = 4,
    MotorWeightPage = 5,
    WindingPage = 6,
    BatchLogPage = 7,
    TorqueTestPage = 8,
};

class PageSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove(settingsFilePath());
        std::filesystem::remove(preferencesFilePath());
        calcState() = CalcState{};
        preferences() = Preferences{};
    }
    void TearDown() override { clearModalAnswers(); }

    // Starts the program's calculation state as a run does, then runs the sheet with body as
    // the user, and cancels the sheet afterwards.
    void runSheet(const std::function<void(QWidget* sheet)>& body) {
        DiskFile settings(settingsFilePath());
        loadReported(
            settings, [&] { return loadSettings(calcState(), settings); }, "");
        answerNextModal([&](QWidget* window) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
            body(window);
            if (window->isVisible())
                clickButton(window, "Cancel");
        });
        sheet_.DoModal();
    }

    void activate(PageIndex page) { ASSERT_TRUE(sheet_.SetActivePage(page)); }

    CTurnsDlg turns_;
    CTorqueDlg torque_;
    CTestDlg test_;
    CListDlg list_;
    COptionsDlg options_;
    CMotorWeightDlg motorWeight_;
    CWindingDlg winding_;
    CBatchLogDlg batchLog_;
    CTorqueTestDlg torqueTest_;
    platform::CPropertySheet sheet_{"Kestrune Ver. X.1F", nullptr, 0};

private:
    struct Pages {
        explicit Pages(PageSheetTest& t) {
            for (platform::CPropertyPage* page : std::initializer_list<platform::CPropertyPage*>{
                     &t.turns_, &t.torque_, &t.test_, &t.list_, &t.options_, &t.motorWeight_,
                     &t.winding_, &t.batchLog_, &t.torqueTest_})
                t.sheet_.AddPage(page);
        }
    } pages_{*this};
};

// Answers what closing the sheet asks: Discard for a motor list with changes not saved, then
// Yes or No to "Save User Data?".
inline void answerClosingQuestions(bool yes) {
    answerNextModal([yes](QWidget* question) {
        if (findButton(question, "Discard") != nullptr) {
            answerClosingQuestions(yes);
            clickButton(question, "Discard");
        } else {
            clickButton(question, yes ? "Yes" : "No");
        }
    });
}

// The newest (top) line of a result list, and how many lines it holds.
inline std::string topLine(platform::CWnd& page, int id) {
    return page.GetListBox(id).GetText(0);
}
inline int lineCount(platform::CWnd& page, int id) {
    return page.GetListBox(id).GetCount();
}

// Steps a list box's selection with the arrow keys, as a user does (positive: down).
inline void stepList(platform::CWnd& page, int id, int steps) {
    QWidget* list = page.GetDlgItem(id);
    list->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < (steps < 0 ? -steps : steps); ++i)
        QTest::keyClick(list, steps < 0 ? Qt::Key_Up : Qt::Key_Down);
}

// The help window the program shows, nullptr when none shows.
inline QWidget* shownHelp() {
    QWidget* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        help = window->isVisible() && window->inherits("QTextBrowser") ? window : help;
    return help;
}

// Makes the window the active one, as a click on its title bar does.
inline void bringToFront(QWidget* window) {
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    for (int i = 0; i < 100 && QApplication::activeWindow() != window; ++i)
        QTest::qWait(10);
    ASSERT_EQ(QApplication::activeWindow(), window);
}

// Moves a list box's selection to the entry with the keyboard.
inline void chooseEntry(platform::CWnd& page, int id, int index) {
    stepList(page, id, index - page.GetListBox(id).GetCurSel());
}

// Types over an edit's or a combo box's text, clicks a check box or steps a list to the entry
// (its index typed), as a user does.
inline void enter(platform::CWnd& page, int id, const std::string& typed) {
    auto* combo = qobject_cast<QComboBox*>(page.GetDlgItem(id));
    QWidget* box = combo != nullptr ? combo->lineEdit() : page.GetDlgItem(id);
    if (qobject_cast<QAbstractButton*>(box) != nullptr)
        return QTest::mouseClick(box, Qt::LeftButton);
    if (qobject_cast<QLineEdit*>(box) == nullptr)
        return chooseEntry(page, id, std::stoi(typed));
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keySequence(box, QKeySequence::SelectAll);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QString::fromStdString(typed));
}

// "%.Nf" as Qt writes it in every locale, not by the program's own formatting.
inline std::string fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals).toStdString();
}

} // namespace kestrune::test
