// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/chart_print.h"
#include "tests/platform/run_dialog.h"
#include "tests/platform/test_windows.h"

#include <QAccessible>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace kestrune::test {
namespace {

constexpr int kChart = 120;
constexpr std::array<ControlTemplate, 1> kChartControls{{
    {kChart, ControlKind::Chart, "Torque curve", 5, 5, 190, 120, style::TabStop},
}};
constexpr DialogTemplate kChartDialog{510, "Chart", 200, 130, 0, kChartControls};

constexpr std::uint32_t kRed = 0xe00000, kBlue = 0x0000e0;

ChartData twoLines() {
    ChartData data{"Turns", "Torque (oz-in)", {}};
    std::vector<ChartPoint> up, down;
    for (int i = 0; i <= 400; ++i) {
        up.push_back({i * 2.5, i * 0.03});
        down.push_back({1000 - i * 2.5, (400 - i) * 0.02});
    }
    data.series = {{"Winding", kRed, LineStyle::Solid,
                    std::make_shared<const std::vector<ChartPoint>>(std::move(up))},
                   {"Unwinding", kBlue, LineStyle::Dashed,
                    std::make_shared<const std::vector<ChartPoint>>(std::move(down))}};
    return data;
}

// Pixels near enough to the colour, antialiased edges apart.
int pixelsOf(const QImage& image, std::uint32_t rgb) {
    const QColor wanted = QColor::fromRgb(static_cast<QRgb>(rgb));
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - wanted.red()) + std::abs(c.green() - wanted.green()) +
                                 std::abs(c.blue() - wanted.blue()) <
                             60
                         ? 1
                         : 0;
        }
    return count;
}

TEST(Chart, EachSeriesIsDrawnInItsColourAndRedrawnOnChangeAndResize) {
    RecordingDialog dialog(kChartDialog);
    runDialog(dialog, [&](QWidget*) {
        Chart chart = dialog.GetChart(kChart);
        QWidget* widget = dialog.GetDlgItem(kChart);
        chart.SetData(twoLines());
        QImage image = widget->grab().toImage();
        EXPECT_GT(pixelsOf(image, kRed), 100);
        EXPECT_GT(pixelsOf(image, kBlue), 50) << "a dashed line";

        ChartData winding = twoLines();
        winding.series.pop_back();
        chart.SetData(winding);
        image = widget->grab().toImage();
        EXPECT_GT(pixelsOf(image, kRed), 100);
        EXPECT_EQ(pixelsOf(image, kBlue), 0) << "the unwinding taken away";

        widget->resize(widget->width() * 2, widget->height());
        const QImage wider = widget->grab().toImage();
        EXPECT_GT(pixelsOf(wider, kRed), pixelsOf(image, kRed) * 3 / 2)
            << "the line follows the width";
    });
}

TEST(Chart, IsNamedAndDescribedForAScreenReader) {
    RecordingDialog dialog(kChartDialog);
    runDialog(dialog, [&](QWidget*) {
        QAccessibleInterface* chart =
            QAccessible::queryAccessibleInterface(dialog.GetDlgItem(kChart));
        ASSERT_NE(chart, nullptr);
        EXPECT_EQ(chart->text(QAccessible::Name), "Torque curve") << "the template's text";
        dialog.GetChart(kChart).SetAccessibleName("Curve");
        dialog.GetChart(kChart).SetAccessibleDescription("Peak 13.870 oz-in at 1000 turns");
        EXPECT_EQ(chart->text(QAccessible::Name), "Curve");
        EXPECT_EQ(chart->text(QAccessible::Description), "Peak 13.870 oz-in at 1000 turns");
    });
}

TEST(ChartPrintout, PrintsThroughTheSeamAndMakesAPdf) {
    const ChartPrintout page{"Torque test", {"Energy out 1.234 J"}, twoLines(), "Kestrune"};
    std::vector<std::string> printed;
    setChartPrintHook([&](const ChartPrintout& asked) {
        printed.push_back(asked.lines.at(0));
        return PrintResult::Printed;
    });
    EXPECT_EQ(PrintChartDocument(page, nullptr), PrintResult::Printed);
    setChartPrintHook({});
    EXPECT_EQ(printed, std::vector<std::string>{"Energy out 1.234 J"});
    EXPECT_EQ(RenderChartPdf(page).substr(0, 5), "%PDF-");
}

} // namespace
} // namespace kestrune::test
