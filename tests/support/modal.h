// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Widget tests: answering modal windows, and finding controls.
//
// A modal window (CDialog::DoModal, the page sheet, a message box, a real file dialog) runs its
// own loop, so a test queues the answer before it makes the program open the window. Each
// answer runs inside that window's loop, on a zero-delay timer, once
// QApplication::activeModalWidget() is a window that was not yet open as a modal window when
// the answer was queued; answers are used in the order queued, one per window:
//
//     answerNextModal([](QWidget* sheet) { clickButton(sheet, "OK"); });
//     answerNextModal([](QWidget* question) { QTest::keyClick(question, Qt::Key_Escape); });
//     app.InitInstance(); // runs the sheet, then the question "Save User Data?"
//
// Nested windows: an answer may queue further answers and then open another modal window (for
// example click "Calibrate"); the nested window gets them, and the outer answer resumes when it
// closes:
//
//     answerNextModal([](QWidget* sheet) {
//         answerNextModal([](QWidget* calibrate) { clickButton(calibrate, "Cancel"); });
//         clickButton(sheet, "Calibrate");
//         clickButton(sheet, "OK");
//     });
//
// A modal window left unanswered for 10 seconds fails the running test and is closed, so a
// forgotten answer ends in a failure, not a hanging test. The test main (support/qt_test_main)
// creates the QApplication on the offscreen platform and runs every test program in a fresh
// temporary start folder (startDirectory(); kes.cfg and list files land there).

#include <QString>
#include <functional>

class QWidget;
class QAbstractButton;

namespace kestrune::test {

void answerNextModal(std::function<void(QWidget* modal)> answer);
// Answers queued and not used yet.
int pendingModalAnswers();
// Drops unused answers (call at the end of a test that may leave some).
void clearModalAnswers();

// The visible button of a window whose accessible name (its caption, without '&') is name;
// nullptr when there is none.
QAbstractButton* findButton(QWidget* window, const QString& name);
// Clicks that button with the mouse; the test fails when there is none.
void clickButton(QWidget* window, const QString& name);
// The visible widget of a window with the accessible name; nullptr when there is none.
QWidget* findByAccessibleName(QWidget* window, const QString& name);
// Turns the mouse wheel over the widget: angle in eighths of a degree, 120 a notch, negative down.
void wheelOver(QWidget* widget, int angle);

} // namespace kestrune::test
