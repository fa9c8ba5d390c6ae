// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/edit_control.h"

#include "platform/detail/focus_entry.h"
#include "platform/detail/typing_rule.h"
#include "platform/dialog_template.h"

#include <QFocusEvent>
#include <QScopedValueRollback>
#include <limits>

namespace kestrune::platform::detail {

EditControl::EditControl(unsigned style, QWidget* parent) : QLineEdit(parent) {
    setFrame((style & style::Border) != 0);
    // A note is taken whole, however long: the log keeps it.
    setMaxLength(std::numeric_limits<int>::max());
    if (style & style::ReadOnly) {
        setReadOnly(true);
        // The desktop's look of a box that cannot be typed into: the window's own colour.
        QPalette shades = palette();
        shades.setColor(QPalette::Base, shades.color(QPalette::Window));
        setPalette(shades);
    } else {
        rule_ = TypingRule::attach(style, *this, *this);
    }
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!quiet_)
            tell(EN_UPDATE);
    });
}

void EditControl::setWindowText(const QString& text) {
    if (text == this->text()) {
        tell(EN_UPDATE);
    } else {
        setText(text);
    }
}

void EditControl::showText(const QString& text) {
    if (text == this->text())
        return; // setText would move the caret to the end and drop the selection
    // Not by blocking signals: the typing rule follows every change of the text.
    const QScopedValueRollback<bool> quiet(quiet_, true);
    setText(text);
}

void EditControl::setRefusalTip(const QString& tip) {
    if (rule_ != nullptr)
        rule_->setPointTip(tip);
}

void EditControl::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (isDeliberateEntry(event->reason()))
        tell(EN_SETFOCUS);
}

void EditControl::tell(Notification code) const {
    if (notify_) {
        notify_(code);
    }
}

} // namespace kestrune::platform::detail
