// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// A torque meter's log of 100,000 readings on the chart: a repaint of the control at a page's
// size, and the cut to each pixel column's extremes that keeps it quick.

#include "core/column_extremes.h"
#include "platform/chart.h"
#include "platform/detail/chart_control.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

using kestrune::ChartPoint;
using namespace kestrune::platform;

constexpr int kReadings = 100'000;

ChartData meterLog() {
    std::vector<ChartPoint> up, down;
    for (int i = 0; i < kReadings / 2; ++i) {
        const double turns = i * 0.02;
        up.push_back({turns, turns * 0.012 + std::sin(i * 0.7) * 0.2});
        down.push_back({1000 - turns, (1000 - turns) * 0.009 + std::sin(i * 0.3) * 0.2});
    }
    return {"Turns",
            "Torque (oz-in)",
            {{"Winding", 0xc0392b, LineStyle::Solid,
              std::make_shared<const std::vector<ChartPoint>>(std::move(up))},
             {"Unwinding", 0x1f5fbf, LineStyle::Dashed,
              std::make_shared<const std::vector<ChartPoint>>(std::move(down))}}};
}

void BM_ChartRepaint100k(benchmark::State& state) {
    detail::ChartControl chart(nullptr);
    chart.resize(640, 320);
    Chart(chart).SetData(meterLog());
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ChartRepaint100k)->Unit(benchmark::kMillisecond);

void BM_ColumnExtremes100k(benchmark::State& state) {
    const ChartData data = meterLog();
    for (auto _ : state) {
        for (const ChartSeries& series : data.series)
            benchmark::DoNotOptimize(kestrune::columnExtremes(*series.points, 0, 1000, 560));
    }
}
BENCHMARK(BM_ColumnExtremes100k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
