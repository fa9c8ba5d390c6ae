// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// What a list box shows: the one row of a one-line list (found, painted and widened without any
// layout of the rows), and the frame of a many-line one.

#include "platform/detail/list_box_control.h"
#include "platform/detail/list_box_model.h"
#include "platform/detail/list_box_painting.h"
#include "platform/dialog_template.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace kestrune::platform::detail {

int ListBoxControl::shownRow() const {
    if (model_->size() == 0)
        return -1;
    return pinnedToFirstRow() ? 0 : std::clamp(topRow_, 0, model_->size() - 1);
}

QRect ListBoxControl::arrowArea() const {
    if (!hasArrows())
        return {};
    const int border = borderWidth();
    const int inner = height() - 2 * border;
    const int arrows = std::max(inner * 3 / 4, 10);
    return {width() - border - arrows, border, arrows, inner};
}

QRect ListBoxControl::rowArea() const {
    const int border = borderWidth();
    QRect area = rect().adjusted(border, border, -border, -border);
    if (hasArrows())
        area.setRight(arrowArea().left() - 1);
    return area;
}

// --- How a one-line list answers the view's questions: one row, no layout -------------------

QModelIndex ListBoxControl::indexAt(const QPoint& point) const {
    if (!oneLine_)
        return QListView::indexAt(point);
    const int row = shownRow();
    return row >= 0 && rowArea().contains(point) ? model_->index(row) : QModelIndex();
}

QRect ListBoxControl::visualRect(const QModelIndex& index) const {
    if (!oneLine_)
        return QListView::visualRect(index);
    return index.isValid() && index.row() == shownRow() ? rowArea() : QRect();
}

void ListBoxControl::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!oneLine_) {
        QListView::scrollTo(index, hint);
        return;
    }
    // The one row shown is the current one.
    if (index.isValid() && !pinnedToFirstRow())
        showTopRow(index.row());
}

void ListBoxControl::doItemsLayout() {
    // A one-line list needs its geometry and a repaint only: the list view's own layout would
    // place every row, at every result inserted.
    if (oneLine_)
        QAbstractItemView::doItemsLayout(); // NOLINT(bugprone-parent-virtual-call)
    else
        QListView::doItemsLayout();
}

void ListBoxControl::updateGeometries() {
    if (oneLine_)
        QAbstractItemView::updateGeometries(); // NOLINT(bugprone-parent-virtual-call)
    else
        QListView::updateGeometries();
}

void ListBoxControl::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (!oneLine_) {
        QListView::setSelection(rect, command);
        return;
    }
    const QModelIndex index = indexAt(rect.center());
    if (index.isValid())
        selectionModel()->select(index, command);
}

QRegion ListBoxControl::visualRegionForSelection(const QItemSelection& selection) const {
    if (!oneLine_)
        return QListView::visualRegionForSelection(selection);
    return selection.contains(model_->index(shownRow())) ? QRegion(rowArea()) : QRegion();
}

int ListBoxControl::horizontalOffset() const {
    return oneLine_ ? 0 : QListView::horizontalOffset();
}

int ListBoxControl::verticalOffset() const {
    return oneLine_ ? 0 : QListView::verticalOffset();
}

void ListBoxControl::paintEvent(QPaintEvent* event) {
    if (!oneLine_) {
        QListView::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.fillRect(rect(), palette().brush(group, QPalette::Base));
    if (const int row = shownRow(); row >= 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = rowArea();
        const QModelIndex index = model_->index(row);
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (hasFocus() && index == currentIndex())
            option.state |= QStyle::State_HasFocus;
        itemDelegate()->paint(&painter, option, index);
    }
    if (hasArrows())
        paintArrows(painter, arrowArea(), palette().color(group, QPalette::WindowText));
    if (style_ & style::Border) // last, so nothing covers it
        paintBorder(painter, rect(), borderWidth(), palette(), isEnabled());
}

bool ListBoxControl::event(QEvent* event) {
    // The frame of a many-line list is painted here; its rows are painted by paintEvent.
    const bool handled = QListView::event(event);
    if (event->type() == QEvent::Paint && !oneLine_ && (style_ & style::Border)) {
        QPainter painter(this);
        paintBorder(painter, rect(), borderWidth(), palette(), isEnabled());
    }
    return handled;
}

// --- Widening a one-line list, and the widest row of a many-line one ------------------------

void ListBoxControl::widenFor(const QString& text) {
    // A one-line list shows a single entry: it must show it whole. It grows to the right into
    // free room, never over a neighbouring control, and the lists the template lines up with it
    // grow with it, so the column stays straight.
    if (parentWidget() == nullptr)
        return;
    const int needed =
        fontMetrics().horizontalAdvance(text) + width() - rowArea().width() + textMargins();
    if (needed <= width())
        return;
    const int gap = fontMetrics().averageCharWidth();
    int limit = parentWidget()->width() - gap;
    std::vector<ListBoxControl*> column;
    const QList<QWidget*> siblings =
        parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* sibling : siblings) {
        auto* box = dynamic_cast<ListBoxControl*>(sibling);
        if (box != nullptr && box->isOneLine() && box->x() == x() && box->width() == width())
            column.push_back(box);
    }
    for (const ListBoxControl* box : column) {
        const QRect own = box->geometry();
        for (const QWidget* other : siblings) {
            const QRect area = other->geometry();
            const bool sameBand = area.top() < own.bottom() && area.bottom() > own.top();
            if (other != box && !other->isWindow() && sameBand && area.left() >= own.right())
                limit = std::min(limit, area.left() - gap);
        }
    }
    const int widest = std::min(needed, limit - x());
    if (widest > width()) {
        for (ListBoxControl* box : column)
            box->resize(widest, box->height());
    }
}

} // namespace kestrune::platform::detail
