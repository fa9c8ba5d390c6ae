// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/button_control.h"

#include <QCheckBox>
#include <QPushButton>

namespace kestrune::platform::detail {

QAbstractButton* createButton(ControlKind kind, const QString& text,
                              std::function<void(Notification)> notify, QWidget* parent) {
    QAbstractButton* button = nullptr;
    if (kind == ControlKind::AutoCheckBox) {
        button = new QCheckBox(text, parent);
    } else {
        auto* push = new QPushButton(text, parent);
        push->setDefault(kind == ControlKind::DefPushButton);
        button = push;
    }
    // clicked comes after a check box has toggled itself, and only from the user.
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [tell = std::move(notify)] { tell(BN_CLICKED); });
    return button;
}

} // namespace kestrune::platform::detail
