// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/CFileDialog.h"
#include "platform/CWinApp.h"
#include "platform/detail/card_layout.h"
#include "platform/detail/file_filter.h"
#include "platform/detail/help_viewer.h"
#include "platform/detail/printout_painting.h"
#include "platform/print.h"
#include "platform/seams.h"
#include "tests/platform/run_dialog.h"
#include "tests/platform/test_windows.h"
#include "tests/support/case_name.h"
#include "tests/support/modal.h"
#include "tests/support/temp_folder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace kestrune::test {
namespace {

using namespace kestrune::platform;
using test::PrintTo;

struct FileDialogCase {
    const char* name;
    bool open;
    unsigned flags;
    std::optional<std::filesystem::path> answer;
    int result;
    bool confirmOverwrite;
    bool mustExist;
    std::string fileName;
    std::filesystem::path folder;
};

class FileDialogTest : public testing::TestWithParam<FileDialogCase> {};

TEST_P(FileDialogTest, AsksTheSeamAndSplitsTheAnswer) {
    const FileDialogCase& c = GetParam();
    std::vector<FileDialogRequest> requests;
    setFileDialogHook([&](const FileDialogRequest& request) {
        requests.push_back(request);
        return c.answer;
    });
    CFileDialog dialog(c.open, "dta", "kes.dta", c.flags, "Lists (*.dta)|*.dta||", nullptr,
                       "/start/here");
    const int result = dialog.DoModal();
    setFileDialogHook({});

    ASSERT_EQ(requests.size(), 1U);
    EXPECT_EQ(requests[0].open, c.open);
    EXPECT_EQ(requests[0].defaultExt, "dta");
    EXPECT_EQ(requests[0].fileName, "kes.dta");
    EXPECT_EQ(requests[0].filter, "Lists (*.dta)|*.dta||");
    EXPECT_EQ(requests[0].startFolder, std::filesystem::path("/start/here"));
    EXPECT_EQ(requests[0].confirmOverwrite, c.confirmOverwrite);
    EXPECT_EQ(requests[0].mustExist, c.mustExist);
    EXPECT_EQ(result, c.result);
    if (result == IDOK) {
        EXPECT_EQ(dialog.GetFileName(), c.fileName);
        EXPECT_EQ(dialog.GetFolderPath(), c.folder);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CFileDialog, FileDialogTest,
    testing::Values(FileDialogCase{"open_chooses_a_file", true, 0, "/data/lists/club.dta", IDOK,
                                   false, false, "club.dta", "/data/lists"},
                    FileDialogCase{"open_of_an_existing_file_only", true, OFN_FILEMUSTEXIST,
                                   "/data/club.dta", IDOK, false, true, "club.dta", "/data"},
                    FileDialogCase{"save_as_asks_before_replacing", false, OFN_OVERWRITEPROMPT,
                                   "/data/new.dta", IDOK, true, false, "new.dta", "/data"},
                    FileDialogCase{"a_bare_name_lies_in_the_start_folder", false, 0, "bare.dta",
                                   IDOK, false, false, "bare.dta", std::filesystem::current_path()},
                    FileDialogCase{"cancel", true, 0, std::nullopt, IDCANCEL, false, false, "", ""},
                    FileDialogCase{"a_folder_is_no_file", true, 0, "/data/", IDCANCEL, false, false,
                                   "", ""}),
    CaseName{});

struct FilterCase {
    const char* filter;
    QStringList expected;
};

TEST(FileDialogFilter, BecomesQtNameFilters) {
    const std::vector<FilterCase> cases{
        {"Motor Lists (*.dta)|*.dta|All Files (*.*)|*.*||",
         {"Motor Lists (*.dta)", "All Files (*)"}},
        {"Text|*.txt;*.text||", {"Text (*.txt *.text)"}},
        {"Odd (*.x)|*.dta||", {"Odd (*.dta)"}}, // the patterns decide, not the description
        {"", {}},
        {"Dangling description", {}},
    };
    for (const FilterCase& c : cases) {
        EXPECT_EQ(detail::nameFilters(c.filter), c.expected) << c.filter;
    }
}

TEST(MessageBox, GoesToTheHookWhenOneIsSet) {
    std::vector<std::pair<std::string, std::string>> shown;
    setMessageHook([&](const std::string& caption, const std::string& text) {
        shown.emplace_back(caption, text);
    });
    AfxMessageBox("Kestrune", "Could not save.");
    setMessageHook({});
    EXPECT_EQ(shown,
              (std::vector<std::pair<std::string, std::string>>{{"Kestrune", "Could not save."}}));
}

struct BoxCase {
    const char* name;
    unsigned type;
    std::string text;
    const char* buttons; // their texts, sorted
    Qt::Key key;
    int result;
};

class RealMessageBox : public testing::TestWithParam<BoxCase> {};

// The real box waits for the user, every answer has its access key, and a long file name is
// shortened in the middle so the box stays narrower than the screen.
TEST_P(RealMessageBox, WaitsForTheUserAndFitsTheScreen) {
    const BoxCase& c = GetParam();
    QString title;
    QString text;
    QStringList buttons;
    int width = 0;
    answerNextModal([&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        title = box->windowTitle();
        text = box->text();
        for (const QAbstractButton* button : box->buttons())
            buttons.append(button->text());
        buttons.sort();
        width = box->frameGeometry().width();
        QTest::keyClick(box, c.key);
    });
    EXPECT_EQ(AfxMessageBox("Kestrune", c.text, c.type), c.result);
    EXPECT_EQ(title, QStringLiteral("Kestrune"));
    EXPECT_EQ(buttons.join(' '), c.buttons);
    EXPECT_LE(width, QGuiApplication::primaryScreen()->availableGeometry().width());
    const QString full = QString::fromStdString(c.text);
    if (c.text.size() < 200) {
        EXPECT_EQ(text, full);
    } else {
        EXPECT_TRUE(text.startsWith(full.left(40)) && text.endsWith(full.right(20)))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QChar(0x2026))) << "shortened with an ellipsis";
    }
    EXPECT_EQ(pendingModalAnswers(), 0);
}

const BoxCase kBoxes[] = {
    {"warning", MB_OK, "The file kes.cfg could not be written.", "&OK", Qt::Key_Return, IDOK},
    {"replace_question_defaults_to_no", MB_YESNO, "Replace it?", "&No &Yes", Qt::Key_Return, IDNO},
    {"changes_question", MB_SAVEDISCARDCANCEL, "Save them?", "&Cancel &Discard &Save",
     Qt::Key_Escape, IDCANCEL},
    {"long_file_name", MB_OK,
     "Kestrune could not save \"/home/user/" + std::string(300, 'f') +
         "/motors.dta\": the disk is full.",
     "&OK", Qt::Key_Return, IDOK}};
INSTANTIATE_TEST_SUITE_P(MessageBox, RealMessageBox, testing::ValuesIn(kBoxes), CaseName{});

TEST(Clipboard, TakesTheTextAsGiven) {
    const std::string card = "%\tTurns\tTorque (N\xC2\xB7mm)\n100\t1130\t51.20\n";
    SetClipboardText(card);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), card);
}

Printout card(int rows) {
    Printout printout{
        "Winding card", {"TanII 1/8\" 14 strands"}, {"%", "Turns", "N\xC2\xB7mm"}, {}, "Printed"};
    for (int i = 0; i < rows; ++i)
        printout.rows.push_back({std::to_string(100 - i), std::to_string(1130 + i), "row 0"});
    printout.rows.back().back() = "last row";
    return printout;
}

// Laid out on a page 500 x 700 points in a type half as wide as high: the largest type that holds
// the card on one page, never below 12 points, the table from the left edge to the right.
TEST(Print, CardFillsThePageWidthInReadableType) {
    struct Case {
        const char* name;
        int rows;
        std::size_t lineChars;
        double points;
        std::size_t pages;
    };
    detail::CardMetrics metrics;
    metrics.width = [](const std::string& text, detail::CardStyle, double points) {
        return 0.5 * points * static_cast<double>(text.size());
    };
    for (const Case& c : {Case{"a short card at the largest type", 11, 20, 14, 1},
                          Case{"40 rows shrink to 12 points", 40, 20, 12, 1},
                          Case{"a line too wide at 13 points", 11, 80, 12, 1},
                          Case{"100 rows continue on pages", 100, 20, 12, 3}}) {
        Printout printout = card(c.rows);
        printout.lines.push_back(std::string(c.lineChars, 'x'));
        const detail::CardLayout layout = detail::layCard(printout, 500, 700, metrics);
        EXPECT_EQ(layout.bodyPoints, c.points) << c.name;
        EXPECT_EQ(layout.pages.size(), c.pages) << c.name;
        EXPECT_EQ(layout.columns.back() + 0.5 * c.points * 8, 500) << c.name << ": \"last row\"";
        for (const detail::CardPage& page : layout.pages) {
            ASSERT_GE(page.rules.size(), 3U) << c.name;
            EXPECT_EQ(page.rules.front().left + page.rules.front().right, 500) << c.name;
            EXPECT_GE(page.texts.front().points, c.points) << c.name;
            EXPECT_LE(page.texts.back().baseline, 700) << c.name;
        }
    }
    // On A4 in the application's fonts: the card at 14 points, its rules across the printable
    // width.
    QPdfWriter writer(QString{});
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    const detail::CardLayout a4 = detail::layCardFor(writer, card(11));
    ASSERT_EQ(a4.pages.size(), 1U);
    EXPECT_EQ(a4.bodyPoints, 14);
    EXPECT_DOUBLE_EQ(a4.pages[0].rules[0].right, writer.width() * 72.0 / writer.logicalDpiX());
    EXPECT_GT(a4.pages[0].rules[0].right, 500);
}

// As a PDF reader sees it: the pages, the paper of the locale, every text on the page (text off
// the page is not extracted).
TEST(Print, PdfHasEveryTextOnItsPages) {
    struct Case {
        QLocale locale;
        int rows;
        const char* paper;
        const char* pages;
    };
    TempFolder temp;
    const QString file = QString::fromStdString((temp / "card.pdf").string());
    const auto ask = [](const char* tool, const QStringList& arguments) {
        QProcess process;
        process.start(tool, arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << tool;
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    for (const Case& c :
         std::vector<Case>{{QLocale(QLocale::German), 11, "(A4)", "1"},
                           {QLocale(QLocale::English, QLocale::UnitedStates), 11, "(letter)", "1"},
                           {QLocale(QLocale::English, QLocale::UnitedKingdom), 300, "(A4)", "6"}}) {
        QLocale::setDefault(c.locale);
        writeBytes(temp / "card.pdf", RenderPdf(card(c.rows)));
        QLocale::setDefault(QLocale::system());
        const QString info = ask("pdfinfo", {file});
        EXPECT_TRUE(info.contains(QRegularExpression(QString("Pages:\\s+") + c.pages + "\\n")) &&
                    info.contains(c.paper) &&
                    info.contains(QRegularExpression("Title:\\s+Winding card")))
            << info.toStdString();
        const QString text = ask("pdftotext", {file, "-"});
        for (const char* piece :
             {"Winding card", "TanII 1/8\" 14", "N\xC2\xB7mm", "last row", "Printed"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(piece))) << piece << " of " << c.rows;
    }
}

TEST(Print, TheDesktopsDialogCancelledPrintsNothing) {
    std::string shown;
    answerNextModal([&](QWidget* window) {
        shown = window->metaObject()->className();
        window->close(); // Esc or Cancel
    });
    EXPECT_EQ(PrintDocument(card(1), nullptr), PrintResult::Cancelled);
    EXPECT_EQ(shown, "QPrintDialog");
}

struct PlacementCase {
    const char* name;
    QRect owner;
    QRect buttons;
    QRect expected;
};

class HelpPlacement : public testing::TestWithParam<PlacementCase> {};

// The help (wanted 490 x 425 with its frame, a gap of 7) on a 1024 x 768 screen less a 32 pixel
// panel: inside the screen, never over the buttons of the window that asked.
TEST_P(HelpPlacement, StaysOnTheScreenAndOffTheButtons) {
    const PlacementCase& c = GetParam();
    const QRect room(0, 0, 1024, 736);
    const QRect place = detail::helpPlacement(room, c.owner, c.buttons, QSize(490, 425), 7);
    EXPECT_EQ(place, c.expected);
    EXPECT_TRUE(room.contains(place));
    EXPECT_FALSE(place.intersects(c.buttons));
}

const PlacementCase kPlacements[] = {
    {"room_on_the_right", QRect(0, 0, 400, 300), QRect(200, 250, 190, 40), QRect(407, 0, 490, 425)},
    {"sheet_in_the_middle_has_it_narrower_beside", QRect(217, 150, 590, 470),
     QRect(600, 580, 200, 30), QRect(814, 150, 210, 425)},
    {"shrunk_above_a_low_window", QRect(0, 400, 1024, 336), QRect(10, 700, 300, 30),
     QRect(0, 0, 490, 393)},
    {"window_filling_the_screen_keeps_its_buttons_clear", QRect(0, 0, 1024, 736),
     QRect(800, 650, 210, 40), QRect(303, 311, 490, 425)},
    {"buttons_along_the_right", QRect(0, 0, 1024, 736), QRect(700, 0, 300, 736),
     QRect(203, 0, 490, 425)}};
INSTANTIATE_TEST_SUITE_P(Help, HelpPlacement, testing::ValuesIn(kPlacements), CaseName{});

class TestApp : public CWinApp {
public:
    TestApp()
        : CWinApp({.name = "Test",
                   .command = "test",
                   .applicationId = "org.example.Test",
                   .helpTitle = "Test Help",
                   .helpDocument = "<html><body><p>Start</p><p><a name=\"context-1\">One</a></p>"
                                   "</body></html>"}) {}
    bool InitInstance() override { return false; }
};

TEST(Help, ApplicationWithoutMainWindowAsksTheSeam) {
    std::vector<unsigned long> shown;
    setHelpHook([&](unsigned long context) { shown.push_back(context); });
    TestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    app.WinHelp(3, HELP_CONTEXT);
    setHelpHook({});
    EXPECT_EQ(shown, std::vector<unsigned long>{3});
}

QTextBrowser* shownHelpViewer() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<QTextBrowser*>(window); browser && browser->isVisible()) {
            return browser;
        }
    }
    return nullptr;
}

TEST(Help, RealViewerIsAWindowThatEscapeCloses) {
    TestApp app;
    app.WinHelp(1, HELP_CONTEXT);
    QTextBrowser* viewer = shownHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Test Help"));
    EXPECT_EQ(viewer->toPlainText(), QStringLiteral("Start\nOne"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    QTest::keyClick(viewer, Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
}

TEST(Help, RealViewerOpensBesideTheDialogThatAsked) {
    TestApp app;
    RecordingDialog dialog;
    QRect dialogFrame;
    QRect viewerFrame;
    runDialog(dialog, [&](QWidget* window) {
        window->move(0, 0); // room on its right
        QTest::keyClick(window, Qt::Key_F1);
        QTextBrowser* viewer = shownHelpViewer();
        ASSERT_NE(viewer, nullptr);
        dialogFrame = window->frameGeometry();
        viewerFrame = viewer->frameGeometry();
        viewer->close();
    });
    EXPECT_FALSE(viewerFrame.intersects(dialogFrame)) << "the help covers the dialog";
}

} // namespace
} // namespace kestrune::test
