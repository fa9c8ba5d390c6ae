// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/list_box_control.h"

#include "platform/detail/focus_entry.h"
#include "platform/detail/list_box_model.h"
#include "platform/dialog_template.h"

#include <QKeyEvent>

namespace kestrune::platform::detail {

ListBoxControl::ListBoxControl(QAbstractItemView& view, unsigned style)
    : view_(view), model_(new ListBoxModel(&view)), style_(style) {}

ListBoxControl::~ListBoxControl() = default;

int ListBoxControl::count() const {
    return model_->size();
}

void ListBoxControl::resetContent() {
    model_->clear();
    rowsCleared();
}

int ListBoxControl::insertString(int index, std::string text) {
    if (index == -1)
        index = model_->size();
    if (index < 0 || index > model_->size() || !model_->keepsRows())
        return -1;
    model_->insert(index, std::move(text));
    rowAdded(index);
    return index;
}

int ListBoxControl::deleteString(int index) {
    if (index < 0 || index >= model_->size())
        return -1;
    rowRemoved(index);
    model_->remove(index);
    return model_->size();
}

std::string ListBoxControl::text(int index) const {
    if (index < 0 || index >= model_->size())
        return {};
    return model_->text(index);
}

void ListBoxControl::setRowSource(std::function<std::string(int row)> rowText) {
    model_->setSource(std::move(rowText));
    rowsCleared();
}

int ListBoxControl::setCount(int count) {
    if (model_->keepsRows() || count < 0)
        return -1;
    for (int row = model_->size() - 1; row >= count; --row)
        rowRemoved(row);
    const int before = model_->size();
    model_->setCount(count);
    for (int row = before; row < count; ++row)
        rowAdded(row);
    return count;
}

bool ListBoxControl::refreshRows(int first, int last) {
    if (model_->keepsRows() || first < 0 || first > last || last >= model_->size())
        return false;
    for (int row = first; row <= last; ++row)
        rowChanged(row);
    model_->changed(first, last);
    return true;
}

int ListBoxControl::curSel() const {
    const QModelIndexList selected = view_.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBoxControl::setCurSel(int index) {
    if (index < 0 || index >= model_->size() ||
        view_.selectionMode() == QAbstractItemView::NoSelection) {
        view_.selectionModel()->clearSelection();
        return;
    }
    selectRow(index);
}

void ListBoxControl::selectRow(int row) {
    const QModelIndex index = model_->index(row);
    view_.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view_.scrollTo(index, QAbstractItemView::EnsureVisible);
}

void ListBoxControl::tell(Notification code) const {
    if (notify_)
        notify_(code);
}

bool ListBoxControl::tellDeleteKey(const QKeyEvent& event) const {
    if (event.key() != Qt::Key_Delete || event.modifiers() != Qt::NoModifier)
        return false;
    tell(LBN_DELETEKEY);
    return true;
}

void ListBoxControl::tellFocus(Qt::FocusReason reason) const {
    if (isDeliberateEntry(reason))
        tell(LBN_SETFOCUS);
}

} // namespace kestrune::platform::detail
