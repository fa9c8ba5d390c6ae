// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A long series drawn on a few hundred pixel columns: what a column shows is the least and the
// greatest value that fall into it, so the rest need not be drawn.

#include <memory>
#include <span>
#include <vector>

namespace kestrune {

struct ChartPoint {
    double x = 0, y = 0;
};

// A series as those who draw it share it: a long one is not copied for the chart and the page.
using SharedPoints = std::shared_ptr<const std::vector<ChartPoint>>;

// The points in order, with every run of neighbours that falls into one of `columns` equal
// columns between xLow and xHigh cut down to its lowest and highest point (in the order they
// came, each once), and the series' first and last point: the line drawn through them covers the
// same pixels. Points outside the columns count to the nearest one; points that are not finite
// are left out.
std::vector<ChartPoint> columnExtremes(std::span<const ChartPoint> points, double xLow,
                                       double xHigh, int columns);

} // namespace kestrune
