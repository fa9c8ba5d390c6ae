// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A list box too low for two rows: it shows one row and paints itself whole, border, row and the
// small up/down arrows of its scroll bar in one widget, so no seam between child windows can eat
// its frame at fractional scale factors, and no layout of its rows is ever needed (a result list
// gets a row on top at every keystroke). With a scroll bar it steps through its rows with the
// arrow keys, the wheel and the arrows, and stays a list with a current selection; without one it
// always shows its first row. Its selection is its value: highlighted only while it has focus.

#include "platform/detail/list_box_view.h"

#include <functional>
#include <optional>

namespace kestrune::platform::detail {

class OneLineListBox final : public ListBoxView {
public:
    // tabStop: the distance of tab stops in pixels for UseTabStops.
    OneLineListBox(unsigned style, qreal tabStop, QWidget* parent);

    // Told the width the box needs to show an entry whole, whenever an entry needs more than the
    // box has; the box is made wider (or not) by whoever lays it out.
    void setWidthNeeded(std::function<void(int width)> needed) { widthNeeded_ = std::move(needed); }

    QModelIndex indexAt(const QPoint& point) const override;
    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    // A list view so that screen readers are told it is a list and read its rows; but the list
    // view's layout of every row is skipped, as only one row is ever shown (see above).
    void doItemsLayout() override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override { return 0; }
    bool isIndexHidden(const QModelIndex& /*index*/) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    void rowsCleared() override;
    void rowAdded(int row) override;
    void rowRemoved(int row) override;

private:
    int border() const;
    bool hasArrows() const;
    // Without a scroll bar it shows its first row, whatever the user does.
    bool pinnedToFirstRow() const;
    // The row shown, and where: inside the border, left of the arrows.
    int shownRow() const;
    QRect rowArea() const;
    QRect arrowArea() const;
    void showTopRow(int row);
    // Where navigation starts: the selection, else the row shown.
    int currentRow() const;
    // The row a navigation key leads to; nothing for any other key.
    std::optional<int> rowForKey(int key) const;
    // The user moves to the row (navigation keys, arrows and wheel), or one step up or down.
    void goToRowByUser(int row);
    void stepByUser(int delta);

    int topRow_ = 0;
    int wheelRemainder_ = 0;
    std::function<void(int)> widthNeeded_;
};

} // namespace kestrune::platform::detail
