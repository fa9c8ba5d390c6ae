// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/detail/tab_stops.h"

#include <QFontMetricsF>
#include <array>
#include <string_view>

namespace kestrune::platform::detail {

// Measures a row as RowDelegate draws it: the advances of its characters, tabs expanded at the
// tab stops. ASCII comes from a table, so a hundred thousand rows measure in a few milliseconds.
class RowMeter {
public:
    RowMeter(const QFont& font, TabStops tabStops);
    qreal width(std::string_view row) const;

private:
    QFontMetricsF metrics_;
    std::array<qreal, 128> ascii_{};
    TabStops tabStops_;
};

} // namespace kestrune::platform::detail
