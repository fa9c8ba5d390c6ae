// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Draws a chart into a rectangle of any paint device: the window's control and a printed page.

#include "platform/chart.h"

#include <QColor>

class QFont;
class QPainter;
class QRectF;

namespace kestrune::platform::detail {

struct ChartInk {
    QColor paper, text, grid;
};

// The axes with their titles, ticks and grid, each series as a line in its colour and style, and
// a legend naming them, all inside area. A series is drawn through each pixel column's extremes,
// so a long one draws as fast as a short one; one of few points shows each point too.
void paintChart(QPainter& painter, const QRectF& area, const ChartData& data, const QFont& font,
                const ChartInk& ink);

} // namespace kestrune::platform::detail
