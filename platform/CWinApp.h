// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The application object: one per program, it runs the whole program in InitInstance.

#include "platform/win_constants.h"

#include <string>
#include <string_view>

namespace kestrune::platform {

class CWnd;

// Who the program is, as the desktop and the user see it; the layer names no program itself.
struct AppIdentity {
    std::string name;              // the application's name on the desktop
    std::string command;           // begins each line the program writes to stderr
    std::string applicationId;     // the installed desktop entry's file name without ".desktop"
    std::string helpTitle;         // the help window's title
    std::string_view helpDocument; // HTML; the topic with context number N is anchor "context-N"
};

class CWinApp {
public:
    explicit CWinApp(AppIdentity identity = {});
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the program; its return value is not used (the program ends when it returns).
    virtual bool InitInstance() = 0;

    // Passes the request to the main window; the help seam directly when there is none.
    void WinHelp(unsigned long data, unsigned command = HELP_CONTEXT);

    const AppIdentity& identity() const { return identity_; }

    CWnd* m_pMainWnd = nullptr;

    // Ignores SIGXFSZ, refuses to start without a display (one line on stderr, status 1),
    // creates the Qt application (the arguments are not interpreted), runs InitInstance and
    // returns 0.
    int run(int argc, char** argv);

private:
    AppIdentity identity_;
};

// The application object constructed last and still alive; nullptr when there is none.
CWinApp* AfxGetApp();

} // namespace kestrune::platform
