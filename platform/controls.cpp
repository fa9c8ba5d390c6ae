// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/controls.h"

#include "platform/detail/combo_box_control.h"
#include "platform/detail/edit_control.h"
#include "platform/detail/list_box_control.h"
#include "platform/detail/qt_text.h"

#include <QAbstractButton>

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

void Edit::SetWindowText(std::string_view text) {
    control_->setWindowText(detail::qtText(text));
}

std::string Edit::GetWindowText() const {
    return detail::stdText(control_->text());
}

void Edit::SetSel(int start, int end) {
    const int length = static_cast<int>(control_->text().size());
    if (start < 0) {
        control_->deselect();
        return;
    }
    if (end < 0) {
        end = length;
    }
    start = std::min(start, length);
    end = std::min(end, length);
    // A negative length selects backwards, leaving the caret at end.
    control_->setSelection(start, end - start);
}

void Edit::ScrollCaret() {
    // A line edit always scrolls its caret into view by itself.
}

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

bool Button::GetCheck() const {
    return button_->isCheckable() && button_->isChecked();
}

void Button::SetCheck(bool checked) {
    if (button_->isCheckable()) {
        button_->setChecked(checked);
    }
}

} // namespace kestrune::platform
