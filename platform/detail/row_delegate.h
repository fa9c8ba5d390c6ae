// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Draws a list box row with its tabs expanded at the list's tab stops, each column but the last
// cut (with "…") at the next stop.

#include "platform/detail/tab_stops.h"

#include <QStyledItemDelegate>
#include <functional>

namespace kestrune::platform::detail {

class RowDelegate final : public QStyledItemDelegate {
public:
    // rowSize: the size every row takes (a list view with uniform rows asks for one).
    RowDelegate(TabStops tabStops, std::function<QSize()> rowSize, QObject* parent);

    void setTabStops(TabStops tabStops) { tabStops_ = std::move(tabStops); }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Room the drawing leaves around a row's text in the view, left and right together.
    static int textMargins(const QWidget& view);

private:
    TabStops tabStops_;
    std::function<QSize()> rowSize_;
};

} // namespace kestrune::platform::detail
