// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The widget both kinds of list box (OneLineListBox and ManyLineList) are made from.

#include "platform/detail/list_box_control.h"

#include <QListView>

namespace kestrune::platform::detail {

// Both kinds of list box: a list view (so screen readers hear a list and its rows) whose mouse
// input is the user's, told to its window when it changes the selection, and whose focus
// entry by click, Tab or access key is told too.
class ListBoxView : public QListView, public ListBoxControl {
protected:
    ListBoxView(unsigned style, QWidget* parent);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace kestrune::platform::detail
