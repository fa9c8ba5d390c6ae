// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Linked into a program, this ends the process as soon as its first window has been shown and
// its pending events (the first painting) handled. Copies of Kestrune and of the minimal dialog
// program built with it let the start-up benchmark and the tests see a program come up and go;
// the program itself has no such switch. On its way out it says on stderr what it told the
// desktop it is.

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class ExitAfterFirstShow final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QTimer::singleShot(0, [] {
                std::fprintf(stderr, "shown as %s, desktop entry %s\n",
                             qPrintable(QCoreApplication::applicationName()),
                             qPrintable(QGuiApplication::desktopFileName()));
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }
};

void exitAfterFirstShow() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new ExitAfterFirstShow(application));
}

} // namespace

// Runs inside the application object's constructor, whatever program this is linked into.
Q_COREAPP_STARTUP_FUNCTION(exitAfterFirstShow)
