// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/button.h"

#include <QAbstractButton>
#include <QKeySequence>

namespace kestrune::platform {

bool Button::GetCheck() const {
    return button_->isCheckable() && button_->isChecked();
}

void Button::SetCheck(bool checked) {
    if (button_->isCheckable()) {
        button_->setChecked(checked);
    }
}

void Button::EnableWindow(bool enable) {
    button_->setEnabled(enable);
}

bool Button::IsWindowEnabled() const {
    return button_->isEnabled();
}

void Button::SetCopyShortcut() {
    button_->setShortcut(QKeySequence::Copy);
}

} // namespace kestrune::platform
