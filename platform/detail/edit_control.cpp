// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/edit_control.h"

#include "platform/detail/focus_entry.h"
#include "platform/dialog_template.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>
#include <QToolTip>
#include <QValidator>
#include <algorithm>

namespace kestrune::platform::detail {

namespace {
// Long enough to read, short enough not to linger over the next box.
constexpr int kTipMilliseconds = 4000;

bool allDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// Digits only, typed or pasted. A paste loses the blanks and line ends around it first (a
// spreadsheet cell comes as "12\n"); with anything else but digits it is refused whole, as a typed
// letter is.
class DigitsValidator final : public QValidator {
public:
    explicit DigitsValidator(QLineEdit* edit) : QValidator(edit) {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { before_ = text; });
    }

    State validate(QString& input, int& pos) const override {
        if (allDigits(input))
            return Acceptable;
        // What came in at once between what the box held and what it would hold.
        qsizetype head = 0;
        while (head < input.size() && head < before_.size() && input[head] == before_[head])
            ++head;
        qsizetype tail = 0;
        while (tail < input.size() - head && tail < before_.size() - head &&
               input[input.size() - 1 - tail] == before_[before_.size() - 1 - tail])
            ++tail;
        const QString added = input.mid(head, input.size() - head - tail);
        const QString trimmed = added.trimmed();
        if (added.size() < 2 || trimmed.size() == added.size() || !allDigits(trimmed))
            return Invalid;
        input = input.left(head) + trimmed + input.right(tail);
        if (!allDigits(input))
            return Invalid;
        pos = static_cast<int>(head + trimmed.size());
        return Acceptable;
    }

private:
    QString before_;
};

} // namespace

EditControl::EditControl(unsigned style, QWidget* parent) : QLineEdit(parent) {
    setFrame((style & style::Border) != 0);
    if (style & style::Number) {
        setValidator(new DigitsValidator(this));
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
    if (isDeliberateEntry(event->reason()))
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
