// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/chart_painting.h"

#include "core/chart_axis.h"
#include "platform/detail/qt_text.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

namespace kestrune::platform::detail {

namespace {

// A series of no more points than this shows a mark at each: a test typed step by step.
constexpr std::size_t kMarkedPoints = 50;

std::span<const ChartPoint> pointsOf(const ChartSeries& series) {
    return series.points ? std::span<const ChartPoint>(*series.points)
                         : std::span<const ChartPoint>();
}

struct Bounds {
    double xLow = std::numeric_limits<double>::infinity();
    double xHigh = -std::numeric_limits<double>::infinity();
    double yLow = xLow, yHigh = xHigh;
    bool any = false;
};

Bounds boundsOf(const ChartData& data) {
    Bounds bounds;
    for (const ChartSeries& series : data.series) {
        for (const ChartPoint& point : pointsOf(series)) {
            if (!std::isfinite(point.x) || !std::isfinite(point.y))
                continue;
            bounds.any = true;
            bounds.xLow = std::min(bounds.xLow, point.x);
            bounds.xHigh = std::max(bounds.xHigh, point.x);
            bounds.yLow = std::min(bounds.yLow, point.y);
            bounds.yHigh = std::max(bounds.yHigh, point.y);
        }
    }
    if (!bounds.any)
        bounds = {0, 1, 0, 1, false};
    return bounds;
}

Qt::PenStyle penStyle(LineStyle line) {
    switch (line) {
    case LineStyle::Dashed:
        return Qt::DashLine;
    case LineStyle::Dotted:
        return Qt::DotLine;
    case LineStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

QColor colourOf(const ChartSeries& series) {
    return QColor::fromRgb(static_cast<QRgb>(series.rgb | 0xff000000U));
}

qreal widest(const QFontMetricsF& metrics, const std::vector<std::string>& labels) {
    qreal width = 0;
    for (const std::string& label : labels)
        width = std::max(width, metrics.horizontalAdvance(qtText(label)));
    return width;
}

// From a value on an axis to its place between two pixel edges.
qreal place(double value, const ChartAxis& axis, qreal from, qreal to) {
    return from + (to - from) * ((value - axis.low) / (axis.high - axis.low));
}

} // namespace

void paintChart(QPainter& painter, const QRectF& area, const ChartData& data, const QFont& font,
                const ChartInk& ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal line = metrics.lineSpacing();
    const qreal gap = line / 3;
    const qreal stroke = std::max<qreal>(1.0, line / 9);
    const Bounds bounds = boundsOf(data);

    const qreal top = area.top() + (data.series.empty() ? line / 2 : line + gap);
    const qreal bottom = area.bottom() - 2 * line - gap;
    const ChartAxis y =
        chartAxis(bounds.yLow, bounds.yHigh,
                  std::clamp(static_cast<int>((bottom - top) / (2.5 * line)), 2, 8));
    const qreal left = area.left() + line + gap + widest(metrics, y.labels) + gap;
    const qreal right = area.right() - metrics.horizontalAdvance(QStringLiteral("0000")) / 2;
    const qreal labelRoom = metrics.horizontalAdvance(QStringLiteral("00000")) + 2 * gap;
    const ChartAxis x =
        chartAxis(bounds.xLow, bounds.xHigh,
                  std::clamp(static_cast<int>((right - left) / std::max(labelRoom, 1.0)), 2, 10));
    const QRectF plot(QPointF(left, top),
                      QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));

    painter.setPen(QPen(ink.grid, stroke / 2));
    for (const double tick : x.ticks) {
        const qreal at = place(tick, x, plot.left(), plot.right());
        painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
    }
    for (const double tick : y.ticks) {
        const qreal at = place(tick, y, plot.bottom(), plot.top());
        painter.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
    }
    painter.setPen(QPen(ink.text, stroke));
    painter.drawRect(plot);
    for (std::size_t i = 0; i < x.ticks.size(); ++i) {
        const QString label = qtText(x.labels[i]);
        const qreal at = place(x.ticks[i], x, plot.left(), plot.right());
        painter.drawText(QPointF(at - metrics.horizontalAdvance(label) / 2,
                                 plot.bottom() + gap + metrics.ascent()),
                         label);
    }
    for (std::size_t i = 0; i < y.ticks.size(); ++i) {
        const QString label = qtText(y.labels[i]);
        const qreal at = place(y.ticks[i], y, plot.bottom(), plot.top());
        painter.drawText(QPointF(plot.left() - gap - metrics.horizontalAdvance(label),
                                 at + metrics.ascent() / 2 - metrics.descent() / 2),
                         label);
    }
    const QString xTitle = qtText(data.xTitle);
    painter.drawText(QPointF(plot.center().x() - metrics.horizontalAdvance(xTitle) / 2,
                             area.bottom() - metrics.descent()),
                     xTitle);
    const QString yTitle = qtText(data.yTitle);
    painter.save();
    painter.translate(area.left() + metrics.ascent(),
                      plot.center().y() + metrics.horizontalAdvance(yTitle) / 2);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), yTitle);
    painter.restore();

    // One point a pixel column at most, at the device's own resolution.
    const qreal perPixel =
        painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const int columns = std::max(1, static_cast<int>(plot.width() * perPixel));
    painter.save();
    painter.setClipRect(plot.adjusted(-stroke, -stroke, stroke, stroke));
    for (const ChartSeries& series : data.series) {
        const std::vector<ChartPoint> drawn =
            columnExtremes(pointsOf(series), x.low, x.high, columns);
        QPolygonF polyline;
        polyline.reserve(static_cast<qsizetype>(drawn.size()));
        for (const ChartPoint& point : drawn)
            polyline.append(QPointF(place(point.x, x, plot.left(), plot.right()),
                                    place(point.y, y, plot.bottom(), plot.top())));
        QPen pen(colourOf(series), stroke * 2, penStyle(series.line));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawPolyline(polyline);
        if (pointsOf(series).size() <= kMarkedPoints) {
            painter.setPen(QPen(colourOf(series), stroke));
            painter.setBrush(colourOf(series));
            for (const QPointF& point : polyline)
                painter.drawEllipse(point, stroke * 2, stroke * 2);
            painter.setBrush(Qt::NoBrush);
        }
    }
    painter.restore();

    // The legend, in a row above the plot, where it hides no line: a length of each and its name.
    qreal at = plot.left();
    const qreal sample = 2 * line;
    const qreal middle = area.top() + line / 2;
    for (const ChartSeries& series : data.series) {
        painter.setPen(QPen(colourOf(series), stroke * 2, penStyle(series.line)));
        painter.drawLine(QPointF(at, middle), QPointF(at + sample, middle));
        const QString name = qtText(series.name);
        painter.setPen(QPen(ink.text, stroke));
        painter.drawText(QPointF(at + sample + gap, area.top() + metrics.ascent()), name);
        at += sample + 3 * gap + metrics.horizontalAdvance(name);
    }
    painter.restore();
}

} // namespace kestrune::platform::detail
