// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/column_extremes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace kestrune {

namespace {

bool finite(const ChartPoint& point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
}

} // namespace

std::vector<ChartPoint> columnExtremes(std::span<const ChartPoint> points, double xLow,
                                       double xHigh, int columns) {
    std::vector<ChartPoint> kept;
    const double width = xHigh - xLow;
    if (columns < 1 || !std::isfinite(width) || width <= 0) {
        std::copy_if(points.begin(), points.end(), std::back_inserter(kept), finite);
        return kept;
    }
    const double last = columns - 1;
    const double perX = columns / width;
    const auto columnOf = [&](double x) {
        // Clamped before the conversion: a point far outside stays a valid column.
        return static_cast<int>(std::clamp(std::floor((x - xLow) * perX), 0.0, last));
    };
    kept.reserve(std::min(points.size(), static_cast<std::size_t>(columns) * 4));
    std::size_t i = 0;
    while (i < points.size()) {
        if (!finite(points[i])) {
            ++i;
            continue;
        }
        const int column = columnOf(points[i].x);
        std::size_t lowest = i, highest = i, end = i;
        std::size_t j = i + 1;
        for (; j < points.size(); ++j) {
            if (!finite(points[j]))
                continue;
            if (columnOf(points[j].x) != column)
                break;
            if (points[j].y < points[lowest].y)
                lowest = j;
            if (points[j].y > points[highest].y)
                highest = j;
            end = j;
        }
        // The series' own ends stay, so the line starts and stops where the readings do.
        const std::size_t start = kept.empty() ? i : lowest;
        const std::size_t stop = j == points.size() ? end : highest;
        std::array<std::size_t, 4> run{start, lowest, highest, stop};
        std::sort(run.begin(), run.end());
        for (std::size_t k = 0; k < run.size(); ++k)
            if (k == 0 || run[k] != run[k - 1])
                kept.push_back(points[run[k]]);
        i = j;
    }
    return kept;
}

} // namespace kestrune
