// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Dialog units -> pixels, from the metrics of the dialog's font: a horizontal unit is a quarter
// of the average character width, a vertical unit an eighth of the line height. Layouts so
// follow the desktop's font size; QT_SCALE_FACTOR scales the pixels themselves.

#include <QFont>
#include <QRect>

namespace kestrune::platform::detail {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    // Edges are rounded separately, so neighbouring controls neither overlap nor leave gaps.
    QRect rect(int x0, int y0, int cx, int cy) const;

    // The height of a row of text, and the gap kept between controls, in whole pixels.
    int rowHeight() const { return rowHeight_; }
    int gap() const { return gap_; }

private:
    double avgCharWidth_;
    double lineHeight_;
    int rowHeight_;
    int gap_;
};

} // namespace kestrune::platform::detail
