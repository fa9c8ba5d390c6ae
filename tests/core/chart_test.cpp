// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/chart_axis.h"
#include "core/column_extremes.h"
#include "tests/support/locale_guard.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace kestrune {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string joined(const std::vector<std::string>& labels) {
    std::string all;
    for (const std::string& label : labels)
        all += (all.empty() ? "" : " ") + label;
    return all;
}

TEST(ChartAxis, RoundStepsCoverTheRange) {
    const struct {
        const char* name;
        double low, high;
        int most;
        const char* labels;
    } cases[] = {
        {"zero to one", 0, 1, 6, "0.0 0.2 0.4 0.6 0.8 1.0"},
        {"zero to 7.3 rounds up to 8", 0, 7.3, 6, "0 2 4 6 8"},
        {"-2 to 13 crosses zero", -2, 13, 6, "-5 0 5 10 15"},
        {"reversed bounds", 13, -2, 6, "-5 0 5 10 15"},
        {"a flat series at 5", 5, 5, 6, "4.0 4.5 5.0 5.5 6.0"},
        {"a flat series at 0", 0, 0, 6, "0.0 0.2 0.4 0.6 0.8 1.0"},
        {"a flat series at -0.003", -0.003, -0.003, 2, "-0.004 -0.003 -0.002"},
        {"torque in oz-in", 0.4, 13.87, 6, "0 5 10 15"},
        {"turns of a long motor", 0, 1234, 6, "0 500 1000 1500"},
        {"bounds on ticks keep them", 0.6, 1.2, 6, "0.6 0.7 0.8 0.9 1.0 1.1 1.2"},
        {"one step at most", 0, 7.3, 1, "0 10"},
        {"infinite bound", 0, kInf, 6, "0.0 0.2 0.4 0.6 0.8 1.0"},
        {"no number", kNaN, 3, 6, "0.0 0.2 0.4 0.6 0.8 1.0"},
        {"span beyond doubles", -1e308, 1e308, 6, "0.0 0.2 0.4 0.6 0.8 1.0"},
        {"span below the spacing of doubles", 1e15, 1e15 + 0.1, 6, "0.0 0.2 0.4 0.6 0.8 1.0"},
    };
    const test::DecimalCommaLocale german; // the labels keep their points
    for (const auto& c : cases) {
        const ChartAxis axis = chartAxis(c.low, c.high, c.most);
        EXPECT_EQ(joined(axis.labels), c.labels) << c.name;
        ASSERT_EQ(axis.ticks.size(), axis.labels.size()) << c.name;
        EXPECT_EQ(axis.low, axis.ticks.front()) << c.name;
        EXPECT_EQ(axis.high, axis.ticks.back()) << c.name;
    }
}

// A column's lowest and highest point, as drawn: every one must be kept.
std::map<int, std::pair<double, double>> extremesByColumn(const std::vector<ChartPoint>& points,
                                                          double low, double high, int columns) {
    std::map<int, std::pair<double, double>> byColumn;
    for (const ChartPoint& p : points) {
        const int column = std::clamp(
            static_cast<int>(std::floor((p.x - low) / (high - low) * columns)), 0, columns - 1);
        auto [it, fresh] = byColumn.try_emplace(column, p.y, p.y);
        it->second = {std::min(it->second.first, p.y), std::max(it->second.second, p.y)};
    }
    return byColumn;
}

TEST(ColumnExtremes, AHundredThousandReadingsKeepEveryColumnsExtremes) {
    std::vector<ChartPoint> readings;
    // A winding and an unwinding over the same turns, with a meter's noise on it; columns 4 turns
    // wide, and no reading near a column's edge, where rounding could put it either side.
    for (int i = 0; i < 100'000; ++i) {
        const double turns = (i < 50'000 ? i + 0.5 : 100'000 - i - 0.5) * 0.02;
        readings.push_back({turns, turns * 0.01 + std::sin(i * 0.7) * 0.3});
    }
    const std::vector<ChartPoint> kept = columnExtremes(readings, 0, 1200, 300);
    EXPECT_LE(kept.size(), 2U * 300 * 2 + 2);
    EXPECT_EQ(extremesByColumn(kept, 0, 1200, 300), extremesByColumn(readings, 0, 1200, 300));
    EXPECT_EQ(kept.front().x, readings.front().x);
    EXPECT_EQ(kept.back().x, readings.back().x);
}

TEST(ColumnExtremes, ShortOrUnusableInputs) {
    const std::vector<ChartPoint> three{{0, 1}, {kNaN, 2}, {1, kInf}, {2, 3}};
    const struct {
        const char* name;
        double low, high;
        int columns;
        std::size_t kept;
    } cases[] = {
        {"one point a column", 0, 2, 3, 2},
        {"all into one column: first and last", 0, 100, 1, 2},
        {"no columns: all finite points", 0, 2, 0, 2},
        {"an empty range: all finite points", 1, 1, 10, 2},
        {"points far outside count to the edges", 10, 11, 4, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(columnExtremes(three, c.low, c.high, c.columns).size(), c.kept) << c.name;
    const std::vector<ChartPoint> run{{0, 5}, {0.1, 9}, {0.2, 1}, {0.3, 4}, {0.4, 2}};
    const std::vector<ChartPoint> kept = columnExtremes(run, 0, 1, 1);
    ASSERT_EQ(kept.size(), 4U) << "the ends, the highest and the lowest, in their order";
    EXPECT_EQ(kept[1].y, 9);
    EXPECT_EQ(kept[2].y, 1);
    EXPECT_EQ(kept[3].y, 2);
    const std::vector<ChartPoint> middle = columnExtremes(run, 0, 0.2, 2);
    ASSERT_EQ(middle.size(), 4U) << "one, then the rest's highest, lowest and last";
    EXPECT_EQ(middle[2].y, 1);
    EXPECT_EQ(middle[3].y, 2);
}

} // namespace
} // namespace kestrune
