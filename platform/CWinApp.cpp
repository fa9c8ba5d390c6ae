// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/CWinApp.h"

#include "platform/CWnd.h"
#include "platform/detail/help_viewer.h"
#include "platform/detail/qt_text.h"
#include "platform/detail/seam_calls.h"

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace kestrune::platform {

namespace {

CWinApp*& currentApp() {
    static CWinApp* app = nullptr;
    return app;
}

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

const char* commandName() {
    const CWinApp* app = currentApp();
    return app != nullptr && !app->identity().command.empty() ? app->identity().command.c_str()
                                                              : "program";
}

// The one line the program says when it has no window system to show its window on: it names
// the display it tried.
[[noreturn]] void noDisplay() {
    if (isSet("DISPLAY"))
        std::fprintf(stderr,
                     "%s: the display \"%s\" cannot be reached; start it from a desktop session\n",
                     commandName(), std::getenv("DISPLAY"));
    else if (isSet("WAYLAND_DISPLAY"))
        std::fprintf(stderr,
                     "%s: the Wayland display \"%s\" cannot be reached; start it from a desktop "
                     "session\n",
                     commandName(), std::getenv("WAYLAND_DISPLAY"));
    else
        std::fprintf(stderr,
                     "%s: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY "
                     "is set); start it from a desktop session\n",
                     commandName());
    std::fflush(stderr);
    std::_Exit(1);
}

// Qt ends the process with several lines of its own when its window system cannot be reached
// (no display, or a platform forced that is not there). While the application object is made,
// its messages are held back: a fatal one becomes the program's one line and status 1; the
// others are passed on once the start succeeded.
struct HeldMessage {
    QtMsgType type;
    QString text;
    QByteArray category;
};

std::vector<HeldMessage>& heldMessages() {
    static std::vector<HeldMessage> held;
    return held;
}

void holdStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg)
        noDisplay();
    heldMessages().push_back({type, text, QByteArray(context.category)});
}

void passOnStartMessages() {
    for (const HeldMessage& message : heldMessages()) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages().clear();
}

} // namespace

CWinApp::CWinApp(AppIdentity identity) : identity_(std::move(identity)) {
    currentApp() = this;
}

CWinApp::~CWinApp() {
    if (currentApp() == this) {
        currentApp() = nullptr;
    }
}

CWinApp* AfxGetApp() {
    return currentApp();
}

void CWinApp::WinHelp(unsigned long data, unsigned command) {
    if (m_pMainWnd != nullptr) {
        m_pMainWnd->WinHelp(data, command);
    } else {
        detail::requestHelp(data);
    }
}

int CWinApp::run(int argc, char** argv) {
    // A write past the file-size limit must fail with EFBIG, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);

    // The program takes no arguments: Qt gets the program name only, so nothing on the command
    // line changes its behaviour.
    std::string name = identity_.command;
    std::vector<char*> qtArgv{argc > 0 && argv != nullptr ? argv[0] : name.data(), nullptr};
    int qtArgc = 1;
    const QtMessageHandler previous = qInstallMessageHandler(holdStartMessage);
    QApplication application(qtArgc, qtArgv.data());
    qInstallMessageHandler(previous);
    passOnStartMessages();
    QApplication::setApplicationName(detail::qtText(identity_.name));
    // Wayland matches the window to its desktop entry, and so to its icon, by this id.
    QApplication::setDesktopFileName(detail::qtText(identity_.applicationId));

    InitInstance();
    m_pMainWnd = nullptr;
    detail::closeHelpViewer();
    return 0;
}

} // namespace kestrune::platform
