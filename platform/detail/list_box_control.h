// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The list box: a list view over a ListBoxModel, fast with a hundred thousand rows.
//
// A many-line list box is a plain list view with uniform rows; a row wider than the box gets a
// horizontal scroll bar. A one-line list box (a box too low for two rows) shows one row and
// paints itself whole: border, row and the small up/down arrows of its scroll bar in one widget,
// so no seam between child windows can eat its frame at fractional scale factors, and no layout
// of its rows is ever needed (a result list gets a row on top at every keystroke). With a scroll
// bar it steps through its rows with the arrow keys, the wheel and the arrows, and stays a list
// with a current selection; without one it always shows its first row.

#include "platform/detail/list_box_painting.h"
#include "platform/win_constants.h"

#include <QListView>
#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace kestrune::platform::detail {

class ListBoxModel;

class ListBoxControl final : public QListView {
public:
    // tabStop: the distance of tab stops in pixels for UseTabStops.
    ListBoxControl(unsigned style, qreal tabStop, QWidget* parent);

    void setNotifier(std::function<void(Notification)> notify) { notify_ = std::move(notify); }

    void resetContent();
    int addString(std::string text);
    int insertString(int index, std::string text);
    int deleteString(int index);
    int count() const;
    // The row's bytes as added; empty when index is out of range.
    std::string text(int index) const;
    // The row as it is shown.
    QString displayText(int index) const;
    int curSel() const;
    void setCurSel(int index);

    bool isOneLine() const { return oneLine_; }
    // Decides between one-line and many-line display from the control's height; the layer calls
    // it once the geometry is set, before the window is shown.
    void updateOneLine();
    int rowHeight() const;
    // The highest height up to the given one that shows whole rows (at least one).
    int integralHeight(int height) const;
    qreal tabStop() const { return tabStop_; }
    bool expandsTabs() const;
    // One-line list boxes: one step up (-1) or down (+1), as the user asked for it.
    void stepByUser(int delta);
    // The width the widest row needs, tabs expanded (many-line list boxes).
    int contentWidth() const;

    // The row a one-line list box shows, and where: inside the border, left of the arrows.
    int shownRow() const;
    QRect rowArea() const;
    QRect arrowArea() const;

    QModelIndex indexAt(const QPoint& point) const override;
    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    int horizontalOffset() const override;
    int verticalOffset() const override;

private:
    // Runs a piece of user input and tells the window when it changed the selection.
    template <class Input> void asUser(Input&& input);
    void tell(Notification code) const;
    void selectRow(int row);
    void showTopRow(int row);
    // A one-line list without a scroll bar: it shows its first row, whatever the user does.
    bool pinnedToFirstRow() const;
    bool hasArrows() const;
    int borderWidth() const;
    // The user moves to the row (a one-line list's navigation keys, arrows and wheel).
    void goToRowByUser(int row);
    // Where a one-line list's navigation starts: its selection, else the row it shows.
    int currentRow() const;
    // The row a navigation key of a one-line list leads to; nothing for any other key.
    std::optional<int> rowForKey(int key) const;
    void widenFor(const QString& text);
    // Sets up the one-line or the many-line way of showing the rows.
    void showAs(bool oneLine);
    // Room the delegate leaves around a row's text; the width a row's text takes.
    int textMargins() const;
    int rowWidth(const std::string& row) const;
    // Keeps the width of the widest row for the horizontal scroll bar.
    void measureRow(const std::string& row);
    void forgetRow(const std::string& row);

    unsigned style_;
    qreal tabStop_;
    ListBoxModel* model_;
    bool oneLine_ = false;
    int topRow_ = 0; // the row a one-line list box shows
    int wheelRemainder_ = 0;
    mutable std::optional<RowMeter> meter_;
    mutable int widest_ = 0;           // pixels, of the widest row measured
    mutable bool widestStale_ = false; // the widest row went: measure them all when asked
    std::function<void(Notification)> notify_;
};

} // namespace kestrune::platform::detail
