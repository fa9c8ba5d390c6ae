// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The application object: one per program, it runs the whole program in InitInstance.

#include "platform/win_constants.h"

namespace kestrune::platform {

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the program; its return value is not used (the program ends when it returns).
    virtual bool InitInstance() = 0;

    // Passes the request to the main window; the help seam directly when there is none.
    void WinHelp(unsigned long data, unsigned command = HELP_CONTEXT);

    CWnd* m_pMainWnd = nullptr;

    // Ignores SIGXFSZ, refuses to start without a display (one line on stderr, status 1),
    // creates the Qt application (the arguments are not interpreted), runs InitInstance and
    // returns 0.
    int run(int argc, char** argv);
};

// The application object constructed last and still alive; nullptr when there is none.
CWinApp* AfxGetApp();

} // namespace kestrune::platform
