// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/help_viewer.h"

#include "platform/CWinApp.h"
#include "platform/detail/dialog_units.h"
#include "platform/detail/qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <algorithm>

namespace kestrune::platform::detail {

namespace {

QPointer<QTextBrowser>& viewer() {
    static QPointer<QTextBrowser> window;
    return window;
}

// The frames of the owner's buttons together: what the help must leave clear.
QRect buttonsOf(const QWidget& owner) {
    QRect buttons;
    for (const QAbstractButton* button : owner.findChildren<QAbstractButton*>()) {
        if (button->isVisible())
            buttons |= QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
    }
    return buttons;
}

qint64 areaOf(QSize size) {
    return qint64{size.width()} * size.height();
}

// The largest place for a window of at most `wanted` beside `clear` (right, left, below, above)
// within the room, lined up with its top or left edge; an empty rectangle when there is none.
QRect besideOf(const QRect& room, const QRect& clear, QSize wanted, int gap) {
    const QRect sides[] = {
        QRect(QPoint(clear.right() + 1 + gap, room.top()), room.bottomRight()),
        QRect(room.topLeft(), QPoint(clear.left() - 1 - gap, room.bottom())),
        QRect(QPoint(room.left(), clear.bottom() + 1 + gap), room.bottomRight()),
        QRect(room.topLeft(), QPoint(room.right(), clear.top() - 1 - gap)),
    };
    QRect best;
    for (const QRect& side : sides) {
        if (side.isEmpty())
            continue;
        const QSize size = wanted.boundedTo(side.size());
        QRect place(QPoint(clear.left(), clear.top()), size);
        place.moveLeft(std::clamp(place.left(), side.left(), side.right() + 1 - size.width()));
        place.moveTop(std::clamp(place.top(), side.top(), side.bottom() + 1 - size.height()));
        if (areaOf(size) > areaOf(best.size()))
            best = place;
    }
    return best;
}

} // namespace

QRect helpPlacement(const QRect& room, const QRect& owner, const QRect& buttons, QSize wanted,
                    int gap) {
    const QRect beside = besideOf(room, owner, wanted, gap);
    if (areaOf(beside.size()) * 4 >= areaOf(wanted) || buttons.isEmpty())
        return beside;
    const QRect overOwner = besideOf(room, buttons, wanted, gap);
    return areaOf(overOwner.size()) > areaOf(beside.size()) ? overOwner : beside;
}

namespace {

// Beside the window that asked, so the help and what it explains show together; the help's frame
// is taken to be as large as the owner's.
void placeBeside(QWidget& help, const QWidget& owner, int gap) {
    if (owner.screen() == nullptr)
        return;
    const QRect frame = owner.frameGeometry();
    const QRect inner = owner.geometry();
    // Right after a window shows, the window manager may not have told its frame yet: a title bar
    // is reckoned with all the same.
    const int titleBar = owner.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QMargins margins(inner.left() - frame.left(),
                           std::max(inner.top() - frame.top(), titleBar),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    const QRect place = helpPlacement(owner.screen()->availableGeometry(), frame, buttonsOf(owner),
                                      help.size().grownBy(margins), gap);
    if (!place.isEmpty()) {
        help.resize(place.size().shrunkBy(margins));
        help.move(place.topLeft());
    }
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
        if (owner != nullptr)
            placeBeside(*browser, *owner, units.gap());
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
