// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/chart_axis.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace kestrune {

namespace {

constexpr int kMostDecimals = 15;
constexpr int kMostSteps = 100;
// Lets a bound that lies on a tick but was computed a rounding away from it keep that tick.
constexpr double kOnTick = 1e-9;

ChartAxis unitAxis() {
    return chartAxis(0, 1);
}

} // namespace

ChartAxis chartAxis(double low, double high, int most) {
    most = std::clamp(most, 1, kMostSteps);
    if (!std::isfinite(low) || !std::isfinite(high))
        return unitAxis();
    if (low > high)
        std::swap(low, high);
    if (low == high) {
        if (low == 0)
            return chartAxis(0, 1, most);
        const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(low))));
        low -= unit;
        high += unit;
    }
    const double span = high - low;
    if (!std::isfinite(span) || span <= 0)
        return unitAxis();
    // The smallest round step that covers the span in `most` steps.
    const double rough = span / most;
    const double power = std::floor(std::log10(rough));
    double magnitude = std::pow(10.0, power);
    double step = 0;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= rough * (1 - 1e-12))
            break;
    }
    if (step == 10 * magnitude)
        magnitude *= 10;
    const double first = std::floor(low / step + kOnTick);
    const double last = std::ceil(high / step - kOnTick);
    const double count = last - first;
    // A span below the spacing of doubles at its values cannot be stepped through.
    if (!std::isfinite(first) || !std::isfinite(last) || count < 1 || count > most + 2.0 ||
        first * step + step == first * step)
        return unitAxis();
    // A step of 10^-k needs k decimals; clamped before the conversion.
    const int decimals = static_cast<int>(
        std::clamp(std::round(-std::log10(magnitude)), 0.0, static_cast<double>(kMostDecimals)));
    ChartAxis axis;
    axis.step = step;
    for (int i = 0; i <= static_cast<int>(count); ++i) {
        // A multiple of the step, not a running sum: no drift, and 0 is never "-0".
        const double index = first + i;
        const double tick = index == 0 ? 0.0 : index * step;
        axis.ticks.push_back(tick);
        axis.labels.push_back(formatFixed(tick, decimals));
    }
    axis.low = axis.ticks.front();
    axis.high = axis.ticks.back();
    return axis;
}

} // namespace kestrune
