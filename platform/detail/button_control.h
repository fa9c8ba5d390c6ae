// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Push buttons and check boxes: BN_CLICKED when the user clicks one, after a check box has toggled
// itself; never for a change the program makes.

#include "platform/dialog_template.h"
#include "platform/win_constants.h"

#include <QString>
#include <functional>

class QAbstractButton;
class QWidget;

namespace kestrune::platform::detail {

// kind: PushButton, DefPushButton or AutoCheckBox.
QAbstractButton* createButton(ControlKind kind, const QString& text,
                              std::function<void(Notification)> notify, QWidget* parent);

} // namespace kestrune::platform::detail
