// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A chart of lines through points, reached by id through CWnd: cheap to copy, valid while its
// window exists. It draws what it was last given, fitted to its size, again at every change.

#include "core/column_extremes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune::platform {

namespace detail {
class ChartControl;
} // namespace detail

enum class LineStyle { Solid, Dashed, Dotted };

struct ChartSeries {
    std::string name;      // in the legend
    std::uint32_t rgb = 0; // 0xRRGGBB
    LineStyle line = LineStyle::Solid;
    SharedPoints points; // joined in this order; none is no line
};

// Axis titles name the quantity and its unit ("Turns", "Torque (oz-in)"). Text is UTF-8.
struct ChartData {
    std::string xTitle, yTitle;
    std::vector<ChartSeries> series;
};

class Chart {
public:
    explicit Chart(detail::ChartControl& control) : control_(&control) {}

    void SetData(ChartData data);
    // What assistive technology reads: the name (the template's text until set) and the
    // description, which says in words what the lines show.
    void SetAccessibleName(std::string_view name);
    void SetAccessibleDescription(std::string_view description);

private:
    detail::ChartControl* control_;
};

} // namespace kestrune::platform
