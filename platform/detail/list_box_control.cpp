// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/list_box_control.h"

#include "platform/detail/list_box_model.h"
#include "platform/detail/list_box_painting.h"
#include "platform/dialog_template.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace kestrune::platform::detail {

ListBoxControl::ListBoxControl(unsigned style, qreal tabStop, QWidget* parent)
    : QListView(parent), style_(style), tabStop_(tabStop), model_(new ListBoxModel(this)) {
    setModel(model_);
    setItemDelegate(new ListBoxDelegate(this));
    setUniformItemSizes(true);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode((style & style::NoSel) ? NoSelection : SingleSelection);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    showAs(false);
    updateOneLine();
}

int ListBoxControl::count() const {
    return model_->size();
}

bool ListBoxControl::expandsTabs() const {
    return (style_ & style::UseTabStops) != 0;
}

int ListBoxControl::borderWidth() const {
    // The line and a pixel of room inside it (see paintBorder).
    return (style_ & style::Border) ? 2 : 0;
}

bool ListBoxControl::pinnedToFirstRow() const {
    return oneLine_ && !(style_ & style::VScroll);
}

bool ListBoxControl::hasArrows() const {
    return oneLine_ && (style_ & style::VScroll);
}

int ListBoxControl::rowHeight() const {
    if (oneLine_)
        return std::max(height() - 2 * borderWidth(), 1);
    return fontMetrics().height();
}

int ListBoxControl::integralHeight(int height) const {
    const int frame = 2 * borderWidth();
    const int row = fontMetrics().height();
    return std::max((height - frame) / row, 1) * row + frame;
}

void ListBoxControl::updateOneLine() {
    const bool oneLine = height() - 2 * borderWidth() < 2 * fontMetrics().height();
    if (oneLine != oneLine_)
        showAs(oneLine);
}

void ListBoxControl::showAs(bool oneLine) {
    oneLine_ = oneLine;
    // A one-line list draws its own border inside its one viewport; a many-line list is framed
    // and scrolled as any list view.
    setFrameShape(!oneLine && (style_ & style::Border) ? QFrame::Panel : QFrame::NoFrame);
    setLineWidth(borderWidth());
    setVerticalScrollBarPolicy(!oneLine && (style_ & style::VScroll) ? Qt::ScrollBarAsNeeded
                                                                     : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(oneLine ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    scheduleDelayedItemsLayout();
    viewport()->update();
}

void ListBoxControl::resetContent() {
    model_->clear();
    topRow_ = 0;
    widest_ = 0;
    widestStale_ = false;
}

int ListBoxControl::addString(std::string text) {
    return insertString(model_->size(), std::move(text));
}

int ListBoxControl::insertString(int index, std::string text) {
    if (index == -1)
        index = model_->size();
    if (index < 0 || index > model_->size())
        return -1;
    if (oneLine_)
        widenFor(shownText(text));
    else
        measureRow(text);
    model_->insert(index, std::move(text));
    return index;
}

int ListBoxControl::deleteString(int index) {
    if (index < 0 || index >= model_->size())
        return -1;
    if (!oneLine_)
        forgetRow(model_->at(index));
    model_->remove(index);
    return model_->size();
}

std::string ListBoxControl::text(int index) const {
    if (index < 0 || index >= model_->size())
        return {};
    return model_->at(index);
}

QString ListBoxControl::displayText(int index) const {
    return model_->data(model_->index(index), Qt::DisplayRole).toString();
}

int ListBoxControl::curSel() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBoxControl::setCurSel(int index) {
    if (index < 0 || index >= model_->size() || selectionMode() == NoSelection) {
        selectionModel()->clearSelection();
        return;
    }
    selectRow(index);
}

void ListBoxControl::selectRow(int row) {
    const QModelIndex index = model_->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index, EnsureVisible);
}

void ListBoxControl::showTopRow(int row) {
    topRow_ = std::clamp(row, 0, std::max(model_->size() - 1, 0));
    viewport()->update();
}

int ListBoxControl::textMargins() const {
    return ListBoxDelegate::kTextMargin +
           2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
}

int ListBoxControl::rowWidth(const std::string& row) const {
    if (!meter_)
        meter_.emplace(font(), tabStop_, expandsTabs());
    return static_cast<int>(std::ceil(std::clamp(meter_->width(row), 0.0, 1e9)));
}

void ListBoxControl::measureRow(const std::string& row) {
    if (widestStale_)
        return; // the next contentWidth() measures every row anyway
    const int needed = rowWidth(row);
    if (needed > widest_) {
        widest_ = needed;
        scheduleDelayedItemsLayout();
    }
}

void ListBoxControl::forgetRow(const std::string& row) {
    if (!widestStale_ && widest_ > 0 && rowWidth(row) >= widest_)
        widestStale_ = true;
}

int ListBoxControl::contentWidth() const {
    if (oneLine_)
        return rowArea().width();
    if (widestStale_) {
        widest_ = 0;
        for (int row = 0; row < model_->size(); ++row)
            widest_ = std::max(widest_, rowWidth(model_->at(row)));
        widestStale_ = false;
    }
    return widest_ + textMargins();
}

void ListBoxControl::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        meter_.reset();
        widestStale_ = true;
    }
}

// --- The user -------------------------------------------------------------------------------

template <class Input> void ListBoxControl::asUser(Input&& input) {
    const int before = curSel();
    input();
    if (curSel() != before && (style_ & style::Notify))
        tell(LBN_SELCHANGE);
}

void ListBoxControl::tell(Notification code) const {
    if (notify_)
        notify_(code);
}

int ListBoxControl::currentRow() const {
    if (const int selected = curSel(); selected >= 0)
        return selected;
    if (selectionMode() == NoSelection)
        return topRow_;
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void ListBoxControl::goToRowByUser(int row) {
    if (pinnedToFirstRow() || model_->size() == 0)
        return;
    row = std::clamp(row, 0, model_->size() - 1);
    if (selectionMode() == NoSelection) {
        showTopRow(row);
        return;
    }
    asUser([&] {
        if (row != curSel())
            selectRow(row);
    });
}

void ListBoxControl::stepByUser(int delta) {
    const int from = currentRow();
    goToRowByUser(from < 0 ? 0 : from + delta);
}

std::optional<int> ListBoxControl::rowForKey(int key) const {
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
        return model_->size() - 1;
    default:
        return std::nullopt;
    }
}

void ListBoxControl::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers commands =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        tell(LBN_DELETEKEY);
        event->accept();
        return;
    }
    if (oneLine_) {
        // The navigation keys step through the rows (with Ctrl or Alt they are the window's);
        // a list that shows only its first row takes no key that would choose another row, nor
        // a letter that would search for one.
        const std::optional<int> row = rowForKey(event->key());
        const bool typed = !event->text().isEmpty() && event->text().front().isPrint();
        if (row && commands == Qt::NoModifier)
            goToRowByUser(*row);
        else if (row)
            event->ignore();
        if (row || (pinnedToFirstRow() && typed))
            return;
    }
    asUser([&] { QListView::keyPressEvent(event); });
}

void ListBoxControl::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && arrowArea().contains(at)) {
        setFocus(Qt::MouseFocusReason);
        stepByUser(at.y() < arrowArea().center().y() ? -1 : +1);
        event->accept();
        return;
    }
    asUser([&] { QListView::mousePressEvent(event); });
}

void ListBoxControl::mouseMoveEvent(QMouseEvent* event) {
    asUser([&] { QListView::mouseMoveEvent(event); });
}

void ListBoxControl::mouseReleaseEvent(QMouseEvent* event) {
    asUser([&] { QListView::mouseReleaseEvent(event); });
}

void ListBoxControl::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click on an arrow is a second step.
    if (event->button() == Qt::LeftButton && arrowArea().contains(event->position().toPoint())) {
        mousePressEvent(event);
        return;
    }
    asUser([&] { QListView::mouseDoubleClickEvent(event); });
}

void ListBoxControl::wheelEvent(QWheelEvent* event) {
    if (!oneLine_) {
        QListView::wheelEvent(event);
        return;
    }
    // A one-line list steps one entry per wheel notch.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    if (notches != 0)
        stepByUser(-notches);
    event->accept();
}

void ListBoxControl::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    viewport()->update();
    tell(LBN_SETFOCUS);
}

void ListBoxControl::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    viewport()->update();
}

void ListBoxControl::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    updateOneLine();
}

} // namespace kestrune::platform::detail
