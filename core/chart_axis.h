// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The ticks of one axis of a chart: round steps that a reader takes in at a glance, labelled as
// every other number of the program is, whatever the locale.

#include <string>
#include <vector>

namespace kestrune {

struct ChartAxis {
    double low = 0, high = 1; // the axis runs from its first tick to its last
    double step = 1;
    std::vector<double> ticks;
    std::vector<std::string> labels; // one a tick, with the decimals the step needs
};

// An axis that covers low to high in the smallest step of 1, 2 or 5 times a power of ten that
// needs no more than `most` steps (1 to 100) for the range, its ends rounded out to ticks. A flat
// range (low == high) gets one unit of its size on either side; a range that is not finite, or too
// small for a double to step through, the axis 0 to 1.
ChartAxis chartAxis(double low, double high, int most = 6);

} // namespace kestrune
