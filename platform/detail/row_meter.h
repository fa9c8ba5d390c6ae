// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/detail/tab_stops.h"

#include <QFontMetricsF>
#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kestrune::platform::detail {

// Measures a row as RowDelegate draws it: the advances of its characters, tabs expanded at the
// tab stops, each column but the last cut at the next stop. ASCII comes from a table, so a
// hundred thousand rows measure in a few milliseconds; a column beyond ASCII is shaped once, and
// its width kept for the rows that repeat it (a table's "–" for no value).
class RowMeter {
public:
    RowMeter(const QFont& font, TabStops tabStops);
    qreal width(std::string_view row) const;

private:
    qreal shapedWidth(std::string_view piece) const;

    QFontMetricsF metrics_;
    std::array<qreal, 128> ascii_{};
    TabStops tabStops_;
    mutable std::unordered_map<std::string, qreal> shaped_;
};

} // namespace kestrune::platform::detail
