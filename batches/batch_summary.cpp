// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_summary.h"

#include <algorithm>
#include <cmath>
#include <map>
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
    struct Values {
        std::vector<double> turns, torque, density;
    };
    std::vector<BatchSummary> summaries;
    std::vector<Values> values;
    std::map<std::pair<std::string_view, int>, std::size_t> where;
    for (const BatchLogEntry& entry : entries) {
        const std::optional<BreakTest> test = entry.test();
        if (!test)
            continue;
        // Keyed by the entry's own batch text, which lives as long as the entries.
        const auto [it, added] = where.try_emplace({entry.batch(), test->type}, summaries.size());
        if (added) {
            BatchSummary& summary = summaries.emplace_back();
            summary.batch = test->batch;
            summary.type = test->type;
            values.emplace_back();
        }
        summaries[it->second].tests += 1;
        Values& v = values[it->second];
        const TestConstants constants = constantsOf(*test, thickness);
        if (constants.turns)
            v.turns.push_back(*constants.turns);
        if (constants.torque)
            v.torque.push_back(*constants.torque);
        if (constants.density)
            v.density.push_back(*constants.density);
    }
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        summaries[i].turns = statisticOf(values[i].turns);
        summaries[i].torque = statisticOf(values[i].torque);
        summaries[i].density = statisticOf(values[i].density);
    }
    return summaries;
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
