// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/dialog_window.h"

#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionFrame>

namespace kestrune::platform::detail {

DialogWindow::DialogWindow(QWidget* parent, bool frameless, std::function<void()> cancel,
                           std::function<void()> help)
    : QDialog(parent), frameless_(frameless), cancel_(std::move(cancel)) {
    if (frameless) {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    }
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [help = std::move(help)] { help(); });
}

void DialogWindow::reject() {
    cancel_();
}

void DialogWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (frameless_) {
        QPainter painter(this);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = rect();
        frame.lineWidth = 2;
        frame.state |= QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
    }
}

} // namespace kestrune::platform::detail
