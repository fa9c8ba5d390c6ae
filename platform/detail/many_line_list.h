// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A list box two rows high or more: a list view with uniform rows over a ListBoxModel, fast with
// a hundred thousand rows. A row wider than the box gets a horizontal scroll bar as wide as the
// widest row, measured as rows come and go.

#include "platform/detail/list_box_view.h"
#include "platform/detail/row_meter.h"

#include <optional>
#include <vector>

namespace kestrune::platform::detail {

class ManyLineList final : public ListBoxView {
public:
    // tabStop: the distance of tab stops in pixels for UseTabStops.
    ManyLineList(unsigned style, qreal tabStop, QWidget* parent);

    bool setTabStops(std::span<const int> dialogUnits) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

    void rowsCleared() override;
    void rowAdded(int row) override;
    void rowRemoved(int row) override;
    void rowChanged(int row) override;

private:
    // The width the widest row needs, tabs expanded and margins included.
    int contentWidth() const;
    int rowWidth(const std::string& row) const;
    void widen(int needed) const;
    // The widest row is the widest of the widths kept for a made list's rows.
    void widestOfWidths();
    // A made list's rows not measured yet are measured once the window is idle, a slice at a
    // time.
    void measureLater() const;

    qreal tabStop_; // the spacing of its tab stops until the program sets others
    TabStops tabStops_;
    mutable std::optional<RowMeter> meter_;
    mutable int widest_ = 0;           // pixels, of the widest row measured
    mutable bool widestStale_ = false; // the widest row went: measure them all when asked
    // A made row's width, kept as it was measured: when a row goes, or shows other text, its
    // source may give it no more, and a long table is not made again to find its widest row.
    // The rows past those measured are measured later.
    mutable std::vector<int> widths_;
    static constexpr std::size_t kMeasuredAtOnce = 20'000;
    mutable std::size_t measuredAtOnce_ = kMeasuredAtOnce; // rows measured before it shows
    mutable bool measuring_ = false;
};

} // namespace kestrune::platform::detail
