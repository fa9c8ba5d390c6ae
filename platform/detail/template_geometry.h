// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Where a template's controls stand: one pure function, used when a window is built, whenever
// its surface changes size and whenever a control needs more width for what it shows.

#include "platform/detail/dialog_units.h"
#include "platform/dialog_template.h"

#include <QRect>
#include <QSize>
#include <span>
#include <vector>

namespace kestrune::platform::detail {

// The template's size in pixels.
QSize templateSize(const DialogTemplate& tmpl, const DialogUnits& units);

// A list box too low for two rows shows one row and is drawn whole by itself.
bool isOneLineList(const ControlTemplate& control, const DialogUnits& units);
// The pixels a list box's border takes on each side.
int listBorder(unsigned style);
// A label two rows high or more wraps its text instead of growing to the right.
bool labelWraps(const ControlTemplate& control, const DialogUnits& units);

// The rectangles of the template's controls, in template order, on a surface of the given size.
// neededWidths (per control, pixels, 0 = none) is what a control's text takes: a one-line label
// and a button grow to the right to show it; a one-line list grows with the one-line lists the
// template lines up with it (same x and width), into the free room on their right only. An edit
// and a combo box keep their template's rectangle. A list
// box shows whole rows unless NoIntegralHeight. Room beyond the template's size goes to the
// controls by their layout shares.
std::vector<QRect> controlRects(const DialogTemplate& tmpl, const DialogUnits& units, QSize surface,
                                std::span<const int> neededWidths);

} // namespace kestrune::platform::detail
