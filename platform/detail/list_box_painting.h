// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The parts of a list box that are painted rather than made of child windows.

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QRect>

namespace kestrune::platform::detail {

// The small up and down arrows of a one-line list box's scroll bar, in the text colour.
void paintArrows(QPainter& painter, const QRectF& area, const QColor& colour);

// A list box's border: a one-pixel line round the outer rectangle, filled rather than stroked so
// that every edge shows whole at fractional scale factors too, and inside it a ring of the base
// colour `inset` pixels wide in all, which keeps child windows (a many-line list's rows and scroll
// bar) from being rounded onto the line.
void paintBorder(QPainter& painter, const QRect& outer, int inset, const QPalette& palette,
                 bool enabled);

} // namespace kestrune::platform::detail
