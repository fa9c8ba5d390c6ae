// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/calc_state.h"
#include "core/preferences.h"
#include "files/file_io.h"
#include "platform/CPropertyPage.h"
#include "platform/CPropertySheet.h"
#include "platform/seams.h"
#include "settings/preferences_file.h"
#include "settings/settings_file.h"
#include "tests/support/modal.h"
#include "tests/support/program_files.h"
#include "tests/support/temp_folder.h"
#include "ui/CMotorApp.h"
#include "ui/CTurnsDlg.h"
#include "ui/resources/dialog_templates.h"
#include "ui/resources/help_document.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kestrune::test {
namespace {

using namespace kestrune::platform;

struct SheetClose {
    const char* name;
    std::function<void(QWidget*)> act;
};

struct Answer {
    const char* name;
    std::function<void(QWidget*)> act;
    bool yes;
};

void PrintTo(const SheetClose& close, std::ostream* out) {
    *out << close.name;
}

void PrintTo(const Answer& answer, std::ostream* out) {
    *out << answer.name;
}

const std::vector<SheetClose> kSheetCloses{
    {"ok", [](QWidget* w) { clickButton(w, "OK"); }},
    {"cancel", [](QWidget* w) { clickButton(w, "Cancel"); }},
    {"escape", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }},
    {"close_box", [](QWidget* w) { w->close(); }},
};

const std::vector<Answer> kAnswers{
    {"yes", [](QWidget* w) { clickButton(w, "Yes"); }, true},
    {"enter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }, true},
    {"no", [](QWidget* w) { clickButton(w, "No"); }, false},
    {"escape", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, false},
};

class ExitTest : public testing::TestWithParam<std::tuple<SheetClose, Answer>> {};

// The answer counts however the sheet was closed: a calibration made without "Save Value" is
// kept by Yes.
TEST_P(ExitTest, SettingsAreWrittenWhenTheAnswerIsYes) {
    const SheetClose& close = std::get<0>(GetParam());
    const Answer& answer = std::get<1>(GetParam());
    const std::filesystem::path file = settingsFilePath();
    const std::filesystem::path prefsFile = preferencesFilePath();
    std::filesystem::remove(file);
    std::filesystem::remove(prefsFile);
    bool questionAsked = false;
    answerNextModal([&](QWidget* sheet) { close.act(sheet); });
    answerNextModal([&](QWidget* question) {
        questionAsked = findByAccessibleName(question, "Save User Data?") != nullptr;
        EXPECT_TRUE(question->windowFlags().testFlag(Qt::FramelessWindowHint));
        // Announced by its question, where it shows.
        const QAccessibleInterface* window = QAccessible::queryAccessibleInterface(question);
        EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Save User Data?"));
        EXPECT_EQ(window->rect(), question->frameGeometry());
        EXPECT_NE(window->rect().topLeft(), QPoint(0, 0));
        answer.act(question);
    });
    CMotorApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(questionAsked) << "the question comes whatever closed the sheet";
    EXPECT_EQ(pendingModalAnswers(), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    const bool written = answer.yes;
    EXPECT_EQ(std::filesystem::exists(file), written);
    EXPECT_EQ(std::filesystem::exists(prefsFile), written);
    if (written) {
        EXPECT_EQ(readBytes(file), formatSettings(calcState().table));
        EXPECT_EQ(readBytes(prefsFile), formatPreferences(preferences()));
    }
}

INSTANTIATE_TEST_SUITE_P(CMotorApp, ExitTest,
                         testing::Combine(testing::ValuesIn(kSheetCloses),
                                          testing::ValuesIn(kAnswers)),
                         [](const testing::TestParamInfo<std::tuple<SheetClose, Answer>>& param) {
                             return std::string("sheet_") + std::get<0>(param.param).name +
                                    "_answer_" + std::get<1>(param.param).name;
                         });

TEST(CMotorApp, FailedSaveAtExitIsToldToTheUser) {
    const std::filesystem::path file = settingsFilePath();
    ASSERT_TRUE(writeFileAtomically(preferencesFilePath(), "turns-constant.1=99.4\n").done());
    ASSERT_TRUE(writeFileAtomically(file, "99\n").done());
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    std::vector<std::string> messages;
    setMessageHook([&](const std::string&, const std::string& text) { messages.push_back(text); });
    answerNextModal([](QWidget* sheet) { clickButton(sheet, "OK"); });
    answerNextModal([](QWidget* question) { clickButton(question, "Yes"); });
    CMotorApp app;
    app.InitInstance();
    setMessageHook({});
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_NE(messages[0].find(file.string()), std::string::npos) << messages[0];
    EXPECT_GT(messages[0].size(), file.string().size() + 40) << "the reason is missing";
    EXPECT_EQ(readBytes(file), "99\n") << "the old file stays as it was";
    EXPECT_EQ(calcState().table.turns[0], 99.4) << "kes.cfg's 99 is 99.4 as kes.cfg writes it";
    EXPECT_EQ(readBytes(preferencesFilePath()).find("turns-constant.2"), std::string::npos)
        << "no new exact constants beside a kes.cfg that does not hold them";
    std::filesystem::remove(file);
}

TEST(CMotorApp, SheetOpensOnBreakingTurnsWithItsEightTabs) {
    QStringList tabs;
    int current = -1;
    QString title;
    answerNextModal([&](QWidget* sheet) {
        title = sheet->windowTitle();
        auto* tabWidget = sheet->findChild<QTabWidget*>();
        for (int i = 0; i < tabWidget->count(); ++i) {
            tabs.append(tabWidget->tabText(i));
        }
        current = tabWidget->currentIndex();
        clickButton(sheet, "Cancel");
    });
    answerNextModal([](QWidget* question) { QTest::keyClick(question, Qt::Key_Escape); });
    CMotorApp app;
    app.InitInstance();
    EXPECT_EQ(title, QStringLiteral("Kestrune Ver. X.1F"));
    EXPECT_EQ(tabs, (QStringList{"Breaking Turns", "Breaking Torque", "Test", "List", "Options",
                                 "Motor Weight", "Winding", "Batch Log", "Torque Test"}));
    EXPECT_EQ(current, 0);
}

TEST(CMotorApp, HelpButtonAndF1ReachTheHelpAtContext1) {
    std::vector<unsigned long> shown;
    setHelpHook([&](unsigned long context) { shown.push_back(context); });
    CMotorApp app;
    CTurnsDlg page;
    CPropertySheet sheet("Help test", nullptr, 0);
    sheet.AddPage(&page);
    app.m_pMainWnd = &sheet;
    answerNextModal([&](QWidget* window) {
        clickButton(window, "Help");
        QTest::keyClick(page.GetDlgItem(IDC_TYPE), Qt::Key_F1);
        clickButton(window, "Cancel");
    });
    sheet.DoModal();
    app.m_pMainWnd = nullptr;
    setHelpHook({});
    EXPECT_EQ(shown, (std::vector<unsigned long>{1, 1}));
}

TEST(HelpDocument, IsCompiledInWithTheContextAnchors) {
    EXPECT_EQ(CMotorApp().identity().helpDocument, helpDocument());
    EXPECT_TRUE(helpDocument().ends_with("</html>\n")) << "the document is cut";
    for (const char* anchor :
         {"context-1", "context-2", "context-3", "context-4", "context-5", "context-6"}) {
        EXPECT_NE(helpDocument().find(anchor), std::string_view::npos) << anchor;
    }
}

struct ProgramRun {
    int status = -1;
    std::string err;
};

// Runs a program with the environment changed as given ("NAME" removes, "NAME=value" sets).
ProgramRun runProgram(std::string program, const std::vector<std::string>& args,
                      const std::vector<std::string>& changes) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        bool drop = false;
        for (const std::string& change : changes) {
            const std::string name = change.substr(0, change.find('='));
            drop = drop || text.compare(0, name.size() + 1, name + "=") == 0;
        }
        if (!drop) {
            env.push_back(text);
        }
    }
    for (const std::string& change : changes) {
        if (change.find('=') != std::string::npos) {
            env.push_back(change);
        }
    }
    std::vector<char*> envp;
    envp.reserve(env.size() + 1);
    for (std::string& text : env) {
        envp.push_back(text.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> argStore{program};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    argv.reserve(argStore.size() + 1);
    for (std::string& arg : argStore) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    int pipeFds[2];
    ProgramRun run;
    if (pipe(pipeFds) != 0) {
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    std::string buffer(4096, '\0');
    ssize_t got = 0;
    while ((got = read(pipeFds[0], buffer.data(), buffer.size())) > 0) {
        run.err.append(buffer, 0, static_cast<std::size_t>(got));
    }
    close(pipeFds[0]);
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        run.status = WEXITSTATUS(status);
    }
    return run;
}

TEST(Program, WithoutDisplaySaysSoInOneLineAndFails) {
    // The environment, and what the line says about the display it tried.
    const std::vector<std::pair<std::vector<std::string>, const char*>> environments{
        {{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}, "neither DISPLAY"},
        {{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"}, "neither DISPLAY"}, // forced xcb
        {{"DISPLAY=:97", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"}, "\":97\""}, // no server there
        {{"DISPLAY", "WAYLAND_DISPLAY=wayland-97", "QT_QPA_PLATFORM"}, "\"wayland-97\""},
    };
    for (const auto& [environment, named] : environments) {
        SCOPED_TRACE(environment[1] + " " + environment.back());
        const ProgramRun run = runProgram(KESTRUNE_PROGRAM, {}, environment);
        EXPECT_EQ(run.status, 1) << "it must exit with status 1, not abort";
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.err.starts_with("kestrune: ")) << run.err;
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("  "), std::string::npos) << run.err;
    }
}

TEST(Program, IgnoresItsArguments) {
    // "-platform xcb" would fail without an X server if Qt were given the arguments. The copy
    // of the program that ends once its window has shown comes up and goes with status 0.
    const ProgramRun run =
        runProgram(KESTRUNE_FIRST_SHOW, {"-platform", "xcb", "--anything", "kes.dta"},
                   {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=offscreen"});
    EXPECT_EQ(run.status, 0) << run.err;
    // Wayland finds the menu entry and its icon by the installed desktop file's name.
    EXPECT_NE(run.err.find("shown as Kestrune, desktop entry org.kestrune.Kestrune\n"),
              std::string::npos)
        << run.err;
}

} // namespace
} // namespace kestrune::test
