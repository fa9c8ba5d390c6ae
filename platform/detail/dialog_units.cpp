// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/dialog_units.h"

#include <QFontMetricsF>
#include <cmath>

namespace kestrune::platform::detail {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    // The average width of the Latin letters: the base a dialog unit is defined from.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    avgCharWidth_ = metrics.horizontalAdvance(letters) / static_cast<double>(letters.size());
    lineHeight_ = metrics.height();
    const QFontMetrics whole(font);
    rowHeight_ = whole.height();
    gap_ = whole.averageCharWidth();
}

int DialogUnits::x(int units) const {
    return static_cast<int>(std::lround(units * avgCharWidth_ / 4.0));
}

int DialogUnits::y(int units) const {
    return static_cast<int>(std::lround(units * lineHeight_ / 8.0));
}

QRect DialogUnits::rect(int x0, int y0, int cx, int cy) const {
    const int left = x(x0);
    const int top = y(y0);
    return {left, top, x(x0 + cx) - left, y(y0 + cy) - top};
}

} // namespace kestrune::platform::detail
