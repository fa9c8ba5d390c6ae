// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/many_line_list.h"

#include "platform/detail/dialog_units.h"
#include "platform/detail/list_box_model.h"
#include "platform/detail/list_box_painting.h"
#include "platform/detail/row_delegate.h"
#include "platform/detail/template_geometry.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

namespace kestrune::platform::detail {

ManyLineList::ManyLineList(unsigned style, qreal tabStop, QWidget* parent)
    : ListBoxView(style, parent), tabStop_(tabStop),
      tabStops_((style & style::UseTabStops) ? TabStops(tabStop) : TabStops()) {
    setModel(&rows());
    setItemDelegate(new RowDelegate(
        tabStops_, [this] { return QSize(std::max(contentWidth(), 1), fontMetrics().height()); },
        this));
    setUniformItemSizes(true);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode((style & style::NoSel) ? NoSelection : SingleSelection);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setFrameShape((style & style::Border) ? QFrame::Panel : QFrame::NoFrame);
    setLineWidth(listBorder(style));
    setVerticalScrollBarPolicy((style & style::VScroll) ? Qt::ScrollBarAsNeeded
                                                        : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool ManyLineList::event(QEvent* event) {
    // The frame is painted here, over the panel the view draws; the rows by paintEvent.
    const bool handled = QListView::event(event);
    if (event->type() == QEvent::Paint && (listStyle() & style::Border)) {
        QPainter painter(this);
        paintBorder(painter, rect(), listBorder(listStyle()), palette(), isEnabled());
    }
    return handled;
}

bool ManyLineList::setTabStops(std::span<const int> dialogUnits) {
    if (!(listStyle() & style::UseTabStops))
        return false;
    tabStops_ = TabStops::fromDialogUnits(dialogUnits, DialogUnits(font()), tabStop_);
    static_cast<RowDelegate*>(itemDelegate())->setTabStops(tabStops_);
    meter_.reset();
    widestStale_ = true;
    scheduleDelayedItemsLayout();
    viewport()->update();
    return true;
}

// --- The widest row -----------------------------------------------------------------------------

int ManyLineList::rowWidth(const std::string& row) const {
    if (!meter_)
        meter_.emplace(font(), tabStops_);
    return static_cast<int>(std::ceil(std::clamp(meter_->width(row), 0.0, 1e9)));
}

void ManyLineList::rowsCleared() {
    widest_ = 0;
    widestStale_ = false;
    widths_.clear();
    measuredAtOnce_ = kMeasuredAtOnce;
}

void ManyLineList::widen(int needed) const {
    if (needed > widest_) {
        widest_ = needed;
        const_cast<ManyLineList*>(this)->scheduleDelayedItemsLayout();
    }
}

void ManyLineList::widestOfWidths() {
    widest_ = widths_.empty() ? 0 : *std::max_element(widths_.begin(), widths_.end());
    scheduleDelayedItemsLayout();
}

void ManyLineList::rowAdded(int row) {
    if (widestStale_)
        return; // the next contentWidth() measures every row anyway
    if (rows().keepsRows()) {
        widen(rowWidth(rows().text(row)));
        return;
    }
    // A long table filled at once shows first: the rest of its rows are measured a slice at a
    // time when the window has nothing else to do.
    if (static_cast<std::size_t>(row) != widths_.size() || measuredAtOnce_ == 0) {
        measureLater();
        return;
    }
    --measuredAtOnce_;
    widths_.push_back(rowWidth(rows().text(row)));
    widen(widths_.back());
}

void ManyLineList::measureLater() const {
    if (std::exchange(measuring_, true))
        return;
    QTimer::singleShot(0, this, [this] {
        measuring_ = false;
        const auto rowCount = static_cast<std::size_t>(count());
        for (std::size_t slice = 0; widths_.size() < rowCount && slice < kMeasuredAtOnce; ++slice) {
            widths_.push_back(rowWidth(rows().text(static_cast<int>(widths_.size()))));
            widen(widths_.back());
        }
        if (widths_.size() < rowCount)
            measureLater();
        else
            measuredAtOnce_ = kMeasuredAtOnce;
    });
}

void ManyLineList::rowChanged(int row) {
    if (widestStale_ || static_cast<std::size_t>(row) >= widths_.size())
        return; // measured when its turn comes
    int& width = widths_[static_cast<std::size_t>(row)];
    const int was = std::exchange(width, rowWidth(rows().text(row)));
    if (width > widest_)
        widen(width);
    else if (was == widest_ && width < was)
        widestOfWidths();
}

void ManyLineList::rowRemoved(int row) {
    if (widestStale_)
        return;
    if (rows().keepsRows()) {
        if (widest_ > 0 && rowWidth(rows().text(row)) >= widest_)
            widestStale_ = true;
        return;
    }
    if (static_cast<std::size_t>(row) >= widths_.size())
        return; // not measured yet
    // A made row may be gone from its source already: its width is the one it was measured at.
    const int width = widths_[static_cast<std::size_t>(row)];
    widths_.erase(widths_.begin() + row);
    if (width >= widest_)
        widestOfWidths();
}

int ManyLineList::contentWidth() const {
    if (widestStale_) {
        widest_ = 0;
        widths_.clear();
        widestStale_ = false;
        if (rows().keepsRows()) {
            for (int row = 0; row < count(); ++row)
                widest_ = std::max(widest_, rowWidth(rows().text(row)));
        } else {
            measuredAtOnce_ = 0;
            measureLater();
        }
    }
    return widest_ + RowDelegate::textMargins(*this);
}

void ManyLineList::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        meter_.reset();
        widestStale_ = true;
    }
}

// --- The user -----------------------------------------------------------------------------------

void ManyLineList::keyPressEvent(QKeyEvent* event) {
    if (tellDeleteKey(*event)) {
        event->accept();
        return;
    }
    asUser([&] { QListView::keyPressEvent(event); });
    // A window that copies more than the current row puts its own text over the row's.
    if (event->matches(QKeySequence::Copy))
        tell(LBN_COPYKEY);
}

} // namespace kestrune::platform::detail
