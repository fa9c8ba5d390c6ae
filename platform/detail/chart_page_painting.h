// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Lays a chart page out on one page of a printer or PDF writer.

#include "platform/chart_print.h"

class QPaintDevice;

namespace kestrune::platform::detail {

// The title large and bold, the lines, the chart across the page's width and two thirds as high
// (less where the lines leave less), the footer under it. False when the device could not be
// painted on.
bool paintChartPage(QPaintDevice& device, const ChartPrintout& printout);

} // namespace kestrune::platform::detail
