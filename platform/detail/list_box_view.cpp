// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/list_box_view.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace kestrune::platform::detail {

ListBoxView::ListBoxView(unsigned style, QWidget* parent)
    : QListView(parent), ListBoxControl(static_cast<QAbstractItemView&>(*this), style) {}

void ListBoxView::mousePressEvent(QMouseEvent* event) {
    asUser([&] { QListView::mousePressEvent(event); });
}

void ListBoxView::mouseMoveEvent(QMouseEvent* event) {
    asUser([&] { QListView::mouseMoveEvent(event); });
}

void ListBoxView::mouseReleaseEvent(QMouseEvent* event) {
    asUser([&] { QListView::mouseReleaseEvent(event); });
}

void ListBoxView::mouseDoubleClickEvent(QMouseEvent* event) {
    asUser([&] { QListView::mouseDoubleClickEvent(event); });
}

void ListBoxView::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    tellFocus(event->reason());
}

} // namespace kestrune::platform::detail
