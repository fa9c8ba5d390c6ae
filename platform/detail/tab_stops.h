// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Where the tabs of a list box row take its text, in pixels from the row's left: at the given
// places, then at every multiple of a spacing. The drawing and the measuring of rows share them,
// so a row is as wide as it is drawn.

#include <QList>
#include <QTextOption>
#include <span>
#include <vector>

namespace kestrune::platform::detail {

class DialogUnits;

class TabStops {
public:
    // Tabs are not expanded: drawn as the font draws a tab character.
    TabStops() = default;
    explicit TabStops(qreal every, std::vector<qreal> places = {});
    // A list's own tab stops in dialog units (see ListBox::SetTabStops); every: the spacing when
    // none are given.
    static TabStops fromDialogUnits(std::span<const int> stops, const DialogUnits& units,
                                    qreal every);

    bool expands() const { return every_ > 0; }
    // The first stop right of x; as a text layout with applyTo finds it.
    qreal after(qreal x) const;
    void applyTo(QTextOption& option) const;

private:
    std::vector<qreal> places_; // increasing
    qreal every_ = 0;
};

} // namespace kestrune::platform::detail
