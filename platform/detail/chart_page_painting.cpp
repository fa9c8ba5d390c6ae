// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/chart_page_painting.h"

#include "platform/detail/chart_painting.h"
#include "platform/detail/qt_text.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace kestrune::platform::detail {

namespace {

// Point sizes are lengths on paper, whatever the device's resolution; as the card's page.
constexpr qreal kBodyPoints = 10;
constexpr qreal kTitlePoints = 14;
constexpr qreal kChartHeightShare = 2.0 / 3.0;

} // namespace

bool paintChartPage(QPaintDevice& device, const ChartPrintout& printout) {
    QFont body = QGuiApplication::font();
    body.setPointSizeF(kBodyPoints);
    QFont title = body;
    title.setBold(true);
    title.setPointSizeF(kTitlePoints);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setPen(Qt::black);
    const qreal width = device.width();
    const qreal height = device.height();
    const QFontMetricsF bodyMetrics(body, &device);
    const qreal gap = bodyMetrics.lineSpacing() / 2;
    qreal y = 0;
    if (!printout.title.empty()) {
        const QFontMetricsF titleMetrics(title, &device);
        painter.setFont(title);
        painter.drawText(QPointF(0, y + titleMetrics.ascent()), qtText(printout.title));
        y += titleMetrics.lineSpacing() + gap;
    }
    painter.setFont(body);
    for (const std::string& line : printout.lines) {
        painter.drawText(QPointF(0, y + bodyMetrics.ascent()), qtText(line));
        y += bodyMetrics.lineSpacing();
    }
    y += gap;
    const qreal footerRoom = printout.footer.empty() ? 0 : gap + bodyMetrics.lineSpacing();
    const qreal chartHeight =
        std::max(0.0, std::min(width * kChartHeightShare, height - y - footerRoom));
    paintChart(painter, QRectF(0, y, width, chartHeight), printout.chart, body,
               {Qt::white, Qt::black, Qt::gray});
    y += chartHeight;
    if (!printout.footer.empty()) {
        painter.setPen(Qt::black);
        painter.setFont(body);
        painter.drawText(QPointF(0, y + gap + bodyMetrics.ascent()), qtText(printout.footer));
    }
    return painter.end();
}

} // namespace kestrune::platform::detail
