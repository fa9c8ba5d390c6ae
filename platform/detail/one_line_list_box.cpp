// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/one_line_list_box.h"

#include "platform/detail/list_box_model.h"
#include "platform/detail/list_box_painting.h"
#include "platform/detail/row_delegate.h"
#include "platform/detail/template_geometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace kestrune::platform::detail {

OneLineListBox::OneLineListBox(unsigned style, qreal tabStop, QWidget* parent)
    : ListBoxView(style, parent) {
    setModel(&rows());
    setItemDelegate(new RowDelegate((style & style::UseTabStops) ? TabStops(tabStop) : TabStops(),
                                    [this] { return rowArea().size(); }, this));
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode((style & style::NoSel) ? NoSelection : SingleSelection);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void OneLineListBox::doItemsLayout() {
    QAbstractItemView::doItemsLayout(); // NOLINT(bugprone-parent-virtual-call): no row layout
}

void OneLineListBox::updateGeometries() {
    QAbstractItemView::updateGeometries(); // NOLINT(bugprone-parent-virtual-call): no row layout
}

int OneLineListBox::border() const {
    return listBorder(listStyle());
}

bool OneLineListBox::hasArrows() const {
    return (listStyle() & style::VScroll) != 0;
}

bool OneLineListBox::pinnedToFirstRow() const {
    return !hasArrows();
}

int OneLineListBox::shownRow() const {
    if (count() == 0)
        return -1;
    return pinnedToFirstRow() ? 0 : std::clamp(topRow_, 0, count() - 1);
}

QRect OneLineListBox::arrowArea() const {
    if (!hasArrows())
        return {};
    const int inner = height() - 2 * border();
    const int arrows = std::max(inner * 3 / 4, 10);
    return {width() - border() - arrows, border(), arrows, inner};
}

QRect OneLineListBox::rowArea() const {
    QRect area = rect().adjusted(border(), border(), -border(), -border());
    if (hasArrows())
        area.setRight(arrowArea().left() - 1);
    return area;
}

void OneLineListBox::showTopRow(int row) {
    topRow_ = std::clamp(row, 0, std::max(count() - 1, 0));
    viewport()->update();
}

// --- The view's questions, answered for one row -----------------------------------------------

QModelIndex OneLineListBox::indexAt(const QPoint& point) const {
    const int row = shownRow();
    return row >= 0 && rowArea().contains(point) ? rows().index(row) : QModelIndex();
}

QRect OneLineListBox::visualRect(const QModelIndex& index) const {
    return index.isValid() && index.row() == shownRow() ? rowArea() : QRect();
}

void OneLineListBox::scrollTo(const QModelIndex& index, ScrollHint /*hint*/) {
    // The one row shown is the current one.
    if (index.isValid() && !pinnedToFirstRow())
        showTopRow(index.row());
}

QModelIndex OneLineListBox::moveCursor(CursorAction /*action*/,
                                       Qt::KeyboardModifiers /*modifiers*/) {
    return currentIndex(); // keyPressEvent moves through the rows itself
}

void OneLineListBox::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const QModelIndex index = indexAt(rect.center());
    if (index.isValid())
        selectionModel()->select(index, command);
}

QRegion OneLineListBox::visualRegionForSelection(const QItemSelection& selection) const {
    return selection.contains(rows().index(shownRow())) ? QRegion(rowArea()) : QRegion();
}

void OneLineListBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.fillRect(rect(), palette().brush(group, QPalette::Base));
    if (const int row = shownRow(); row >= 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = rowArea();
        const QModelIndex index = rows().index(row);
        if (hasFocus() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (hasFocus() && index == currentIndex())
            option.state |= QStyle::State_HasFocus;
        itemDelegate()->paint(&painter, option, index);
    }
    if (hasArrows())
        paintArrows(painter, arrowArea(), palette().color(group, QPalette::WindowText));
    if (listStyle() & style::Border) // last, so nothing covers it
        paintBorder(painter, rect(), border(), palette(), isEnabled());
}

// --- Rows ---------------------------------------------------------------------------------------

void OneLineListBox::rowsCleared() {
    topRow_ = 0;
    viewport()->update();
}

void OneLineListBox::rowAdded(int row) {
    // It shows a single entry: it asks for the room to show it whole.
    const int needed = fontMetrics().horizontalAdvance(shownText(rows().text(row))) + width() -
                       rowArea().width() + RowDelegate::textMargins(*this);
    if (needed > width() && widthNeeded_)
        widthNeeded_(needed);
    viewport()->update();
}

void OneLineListBox::rowRemoved(int /*row*/) {
    viewport()->update();
}

// --- The user -----------------------------------------------------------------------------------

int OneLineListBox::currentRow() const {
    if (const int selected = curSel(); selected >= 0)
        return selected;
    if (selectionMode() == NoSelection)
        return topRow_;
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void OneLineListBox::goToRowByUser(int row) {
    if (pinnedToFirstRow() || count() == 0)
        return;
    row = std::clamp(row, 0, count() - 1);
    if (selectionMode() == NoSelection) {
        showTopRow(row);
        return;
    }
    asUser([&] {
        if (row != curSel())
            selectRow(row);
    });
}

void OneLineListBox::stepByUser(int delta) {
    const int from = currentRow();
    goToRowByUser(from < 0 ? 0 : from + delta);
}

std::optional<int> OneLineListBox::rowForKey(int key) const {
    const int from = currentRow();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_PageUp: // a page of a one-line list is one row
        return from < 0 ? 0 : from - 1;
    case Qt::Key_Down:
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        return from < 0 ? 0 : from + 1;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return count() - 1;
    default:
        return std::nullopt;
    }
}

void OneLineListBox::keyPressEvent(QKeyEvent* event) {
    if (tellDeleteKey(*event)) {
        event->accept();
        return;
    }
    // The navigation keys step through the rows (with Ctrl or Alt they are the window's); a list
    // that shows only its first row takes no key that would choose another row, nor a letter that
    // would search for one.
    const Qt::KeyboardModifiers commands =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const std::optional<int> row = rowForKey(event->key());
    const bool typed = !event->text().isEmpty() && event->text().front().isPrint();
    if (row && commands == Qt::NoModifier)
        goToRowByUser(*row);
    else if (row)
        event->ignore();
    if (row || (pinnedToFirstRow() && typed))
        return;
    asUser([&] { QListView::keyPressEvent(event); });
}

void OneLineListBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && arrowArea().contains(at)) {
        setFocus(Qt::MouseFocusReason);
        stepByUser(at.y() < arrowArea().center().y() ? -1 : +1);
        event->accept();
        return;
    }
    ListBoxView::mousePressEvent(event);
}

void OneLineListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click on an arrow is a second step.
    if (event->button() == Qt::LeftButton && arrowArea().contains(event->position().toPoint())) {
        mousePressEvent(event);
        return;
    }
    ListBoxView::mouseDoubleClickEvent(event);
}

void OneLineListBox::wheelEvent(QWheelEvent* event) {
    // One entry per wheel notch.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    if (notches != 0)
        stepByUser(-notches);
    event->accept();
}

void OneLineListBox::focusInEvent(QFocusEvent* event) {
    ListBoxView::focusInEvent(event);
    viewport()->update(); // the selection shows only while it has focus
}

void OneLineListBox::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    viewport()->update();
}

} // namespace kestrune::platform::detail
