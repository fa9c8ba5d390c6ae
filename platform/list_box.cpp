// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/list_box.h"

#include "platform/detail/list_box_control.h"

#include <utility>

namespace kestrune::platform {

void ListBox::ResetContent() {
    control_->resetContent();
}

int ListBox::AddString(std::string_view text) {
    return control_->insertString(-1, std::string(text));
}

int ListBox::InsertString(int index, std::string_view text) {
    return control_->insertString(index, std::string(text));
}

int ListBox::DeleteString(int index) {
    return control_->deleteString(index);
}

void ListBox::SetRowSource(std::function<std::string(int row)> rowText) {
    control_->setRowSource(std::move(rowText));
}

int ListBox::SetCount(int count) {
    return control_->setCount(count);
}

bool ListBox::RefreshRows(int first, int last) {
    return control_->refreshRows(first, last);
}

int ListBox::GetCount() const {
    return control_->count();
}

std::string ListBox::GetText(int index) const {
    return control_->text(index);
}

int ListBox::GetCurSel() const {
    return control_->curSel();
}

void ListBox::SetCurSel(int index) {
    control_->setCurSel(index);
}

bool ListBox::SetTabStops(std::span<const int> dialogUnits) {
    return control_->setTabStops(dialogUnits);
}

} // namespace kestrune::platform
