// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/printout_painting.h"

#include "platform/detail/card_layout.h"
#include "platform/detail/qt_text.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace kestrune::platform::detail {

namespace {

constexpr qreal kRulePoints = 0.5;

// The application's font in a card's style at a size; sizes are lengths on paper.
QFont cardFont(CardStyle style, double points) {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points);
    font.setBold(style != CardStyle::Body);
    return font;
}

} // namespace

CardLayout layCardFor(const QPaintDevice& device, const Printout& printout) {
    const qreal perPoint = device.logicalDpiX() / 72.0;
    const QFontMetricsF body(cardFont(CardStyle::Body, kCardSmallestPoints), &device);
    CardMetrics metrics;
    metrics.width = [&device, perPoint](const std::string& text, CardStyle style, double points) {
        return QFontMetricsF(cardFont(style, points), &device).horizontalAdvance(qtText(text)) /
               perPoint;
    };
    metrics.ascent = body.ascent() / perPoint / kCardSmallestPoints;
    metrics.lineSpacing = body.lineSpacing() / perPoint / kCardSmallestPoints;
    return layCard(printout, device.width() / perPoint,
                   device.height() / (device.logicalDpiY() / 72.0), metrics);
}

bool paintPrintout(QPagedPaintDevice& device, const Printout& printout) {
    const CardLayout layout = layCardFor(device, printout);
    const qreal x = device.logicalDpiX() / 72.0;
    const qreal y = device.logicalDpiY() / 72.0;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setPen(QPen(Qt::black, kRulePoints * y));
    for (std::size_t page = 0; page < layout.pages.size(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        for (const CardRule& rule : layout.pages[page].rules)
            painter.drawLine(QPointF(rule.left * x, rule.y * y),
                             QPointF(rule.right * x, rule.y * y));
        for (const CardText& text : layout.pages[page].texts) {
            painter.setFont(cardFont(text.style, text.points));
            painter.drawText(QPointF(text.x * x, text.baseline * y), qtText(text.text));
        }
    }
    return painter.end();
}

} // namespace kestrune::platform::detail
