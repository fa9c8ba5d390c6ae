// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/enter_key_filter.h"

#include "platform/detail/window_access.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace kestrune::platform::detail {

EnterKeyFilter::EnterKeyFilter(CWnd& page, std::function<EnterKey(int)> enterKey, QObject* parent)
    : QObject(parent), page_(page), enterKey_(std::move(enterKey)) {}

bool EnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const EnterKey does = enterKey_(focusedControl());
    if (does.endsSheet())
        return false;
    if (auto* button = qobject_cast<QAbstractButton*>(page_.GetDlgItem(does.button()));
        button != nullptr && button->isEnabled())
        button->click();
    event->accept();
    return true;
}

int EnterKeyFilter::focusedControl() const {
    // The focus may be inside a control (a combo box's edit field).
    for (const QWidget* widget = QApplication::focusWidget();
         widget != nullptr && widget != page_.widget(); widget = widget->parentWidget()) {
        if (const int id = WindowAccess::controlIdOf(page_, widget); id != -1)
            return id;
    }
    return -1;
}

} // namespace kestrune::platform::detail
