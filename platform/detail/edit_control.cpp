// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/edit_control.h"

#include "platform/dialog_template.h"

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QToolTip>

namespace kestrune::platform::detail {

namespace {
// Long enough to read, short enough not to linger over the next box.
constexpr int kTipMilliseconds = 4000;
} // namespace

EditControl::EditControl(unsigned style, QWidget* parent) : QLineEdit(parent) {
    setFrame((style & style::Border) != 0);
    if (style & style::Number) {
        // A paste with anything but digits is refused whole, as a typed letter is.
        setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
        // A tool-tip window of its own: Qt's tool tip vanishes at the release of the very key
        // that was refused.
        tip_ = new QLabel(refusalText(), this, Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
        tip_->setObjectName(QStringLiteral("refusalTip"));
        tip_->setPalette(QToolTip::palette());
        tip_->setFont(QToolTip::font());
        tip_->setForegroundRole(QPalette::ToolTipText);
        tip_->setBackgroundRole(QPalette::ToolTipBase);
        tip_->setAutoFillBackground(true);
        tip_->setFrameStyle(QFrame::Box | QFrame::Plain);
        tip_->setMargin(tip_->fontMetrics().averageCharWidth() / 2 + 1);
        tip_->setAccessibleName(refusalText());
        tipTimer_ = new QTimer(this);
        tipTimer_->setSingleShot(true);
        connect(tipTimer_, &QTimer::timeout, tip_, &QWidget::hide);
        connect(this, &QLineEdit::inputRejected, this, [this] { showRefusal(); });
        connect(this, &QLineEdit::textEdited, tip_, &QWidget::hide);
    }
    connect(this, &QLineEdit::textChanged, this, [this] { tell(EN_UPDATE); });
}

const QString& EditControl::refusalText() {
    static const QString text =
        QStringLiteral("This box takes whole numbers only: the digits 0 to 9.");
    return text;
}

void EditControl::showRefusal() {
    tip_->adjustSize();
    tip_->move(mapToGlobal(QPoint(0, height())));
    tip_->show();
    tip_->raise();
    tipTimer_->start(kTipMilliseconds);
    QAccessibleEvent alert(tip_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void EditControl::setWindowText(const QString& text) {
    if (text == this->text()) {
        tell(EN_UPDATE);
    } else {
        setText(text);
    }
}

void EditControl::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    tell(EN_SETFOCUS);
}

void EditControl::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (tip_ != nullptr)
        tip_->hide();
}

void EditControl::tell(Notification code) const {
    if (notify_) {
        notify_(code);
    }
}

} // namespace kestrune::platform::detail
