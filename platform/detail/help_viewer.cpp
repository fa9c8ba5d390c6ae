// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/help_viewer.h"

#include "platform/CWinApp.h"
#include "platform/detail/dialog_units.h"
#include "platform/detail/qt_text.h"

#include <QApplication>
#include <QKeySequence>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <algorithm>
#include <limits>

namespace kestrune::platform::detail {

namespace {

QPointer<QTextBrowser>& viewer() {
    static QPointer<QTextBrowser> window;
    return window;
}

// Where a window of the size goes beside the owner, on the owner's screen: to its right, else to
// its left, below or above; where none of these has room, where it covers the least of it.
QPoint besideOf(const QWidget& owner, QSize size) {
    const QRect frame = owner.frameGeometry();
    const QScreen* screen = owner.screen();
    const QRect room =
        screen != nullptr ? screen->availableGeometry() : frame.adjusted(-2000, -2000, 2000, 2000);
    const int gap = owner.fontMetrics().averageCharWidth();
    const auto within = [&](QPoint at) {
        at.setX(std::clamp(at.x(), room.left(),
                           std::max(room.left(), room.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), room.top(),
                           std::max(room.top(), room.bottom() + 1 - size.height())));
        return at;
    };
    const QPoint candidates[] = {
        within({frame.right() + 1 + gap, frame.top()}),
        within({frame.left() - gap - size.width(), frame.top()}),
        within({frame.left(), frame.bottom() + 1 + gap}),
        within({frame.left(), frame.top() - gap - size.height()}),
    };
    QPoint best = candidates[0];
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (const QPoint at : candidates) {
        const QRect covered = QRect(at, size).intersected(frame);
        const qint64 area = covered.isEmpty() ? 0 : qint64{covered.width()} * covered.height();
        if (area < leastCovered) {
            best = at;
            leastCovered = area;
        }
    }
    return best;
}

} // namespace

void showHelpViewer(unsigned long context) {
    // The viewer belongs to the modal window that asked, so that window's modality does not
    // block it; a request from another window gets a viewer of its own.
    QWidget* owner = QApplication::activeModalWidget();
    QTextBrowser* browser = viewer().data();
    if (browser != nullptr && browser->parentWidget() != owner) {
        browser->close();
        browser = nullptr;
    }
    if (browser == nullptr) {
        browser = new QTextBrowser(owner);
        viewer() = browser;
        browser->setWindowFlag(Qt::Window);
        browser->setAttribute(Qt::WA_DeleteOnClose);
        const CWinApp* app = AfxGetApp();
        const AppIdentity identity = app != nullptr ? app->identity() : AppIdentity{};
        browser->setWindowTitle(qtText(identity.helpTitle));
        browser->setOpenExternalLinks(true);
        const DialogUnits units(browser->font());
        browser->resize(units.x(280), units.y(200));
        if (owner != nullptr) {
            // Beside the window that asked, so the help and what it explains show together.
            browser->move(besideOf(*owner, browser->size()));
        }
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), browser);
        escape->setContext(Qt::WindowShortcut);
        QObject::connect(escape, &QShortcut::activated, browser, &QWidget::close);
        browser->setHtml(qtText(identity.helpDocument));
    }
    browser->show();
    browser->raise();
    browser->activateWindow();
    browser->scrollToAnchor(QStringLiteral("context-%1").arg(context));
}

void closeHelpViewer() {
    if (QTextBrowser* browser = viewer().data()) {
        browser->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace kestrune::platform::detail
