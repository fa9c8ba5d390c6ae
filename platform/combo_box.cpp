// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/combo_box.h"

#include "platform/detail/combo_box_control.h"
#include "platform/detail/qt_text.h"

namespace kestrune::platform {

void ComboBox::ResetContent() {
    control_->clear();
}

int ComboBox::AddString(std::string_view text) {
    control_->addItem(detail::qtText(text));
    return control_->count() - 1;
}

int ComboBox::GetCount() const {
    return control_->count();
}

std::string ComboBox::GetLBText(int index) const {
    return index >= 0 && index < control_->count() ? detail::stdText(control_->itemText(index))
                                                   : std::string();
}

int ComboBox::GetCurSel() const {
    return control_->curSel();
}

void ComboBox::SetCurSel(int index) {
    control_->setCurrentIndex(index >= 0 && index < control_->count() ? index : -1);
}

std::string ComboBox::GetWindowText() const {
    return detail::stdText(control_->currentText());
}

void ComboBox::SetWindowText(std::string_view text) {
    control_->setEditText(detail::qtText(text));
}

} // namespace kestrune::platform
