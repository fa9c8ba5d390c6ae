// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_summary.h"

#include "batch_summaries.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kestrune {

TestConstants constantsOf(const BreakTest& test, double thickness) {
    TestConstants constants;
    const std::optional<double> width = stripWidthInches(test.width);
    if (!width)
        return constants;
    const double strands = test.strands;
    constants.turns = testTurnsConstant(test.turns, test.length, strands, *width);
    if (test.torque)
        constants.torque = testTorqueConstant(*test.torque, strands, *width);
    if (test.weight)
        constants.density = measuredDensity(*test.weight, thickness, *width, strands, test.length);
    return constants;
}

std::optional<Statistic> statisticOf(std::span<const double> values) {
    if (values.empty())
        return std::nullopt;
    Statistic s;
    s.count = values.size();
    const auto n = static_cast<double>(values.size());
    const auto [least, greatest] = std::minmax_element(values.begin(), values.end());
    s.least = *least;
    s.greatest = *greatest;
    double sum = 0;
    for (double v : values)
        sum += v;
    s.mean = sum / n;
    if (!std::isfinite(s.mean)) {
        // Values near the top of the double range: their sum overflows, their shares do not.
        s.mean = 0;
        for (double v : values)
            s.mean += v / n;
    }
    // One more pass corrects the rounding of the sum, so that equal values have their own value
    // as mean and no spread.
    double correction = 0;
    for (double v : values)
        correction += (v - s.mean) / n;
    s.mean = std::clamp(s.mean + correction, s.least, s.greatest);
    if (values.size() > 1) {
        // Deviations scaled by the largest one, so that their squares cannot overflow.
        const double scale = std::max(std::fabs(s.greatest - s.mean), std::fabs(s.least - s.mean));
        double squares = 0;
        if (scale > 0) {
            for (double v : values) {
                const double d = (v - s.mean) / scale;
                squares += d * d;
            }
        }
        const double deviation = scale * std::sqrt(squares / (n - 1));
        if (std::isfinite(deviation))
            s.deviation = deviation;
    }
    return s;
}

std::vector<BatchSummary> summariseBatches(const BatchLog& entries, double thickness) {
    return BatchSummaries(entries, thickness).all(entries);
}

namespace {
std::optional<double> meanOf(const std::optional<Statistic>& statistic) {
    return statistic ? std::optional(statistic->mean) : std::nullopt;
}
} // namespace

bool canUseSummary(const BatchSummary& summary) {
    return summary.turns &&
           canUseConstants(summary.type, summary.turns->mean, meanOf(summary.torque));
}

CalibrationResult useSummary(CalcState& state, const BatchSummary& summary) {
    if (!summary.turns)
        return {state.turnsConstant, true};
    return useBatchConstants(state, summary.type, summary.turns->mean, meanOf(summary.torque));
}

} // namespace kestrune
