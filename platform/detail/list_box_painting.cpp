// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/list_box_painting.h"

#include <QPolygonF>
#include <algorithm>

namespace kestrune::platform::detail {

void paintArrows(QPainter& painter, const QRectF& area, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal half = area.height() / 2;
    for (const bool up : {true, false}) {
        const QRectF part(area.left(), up ? area.top() : area.top() + half, area.width(), half);
        const qreal size = std::min(part.width() * 0.6, part.height() * 0.7);
        const QPointF centre = part.center();
        const qreal dy = (up ? 1 : -1) * size / 4;
        painter.drawPolygon(QPolygonF{{centre.x() - size / 2, centre.y() + dy},
                                      {centre.x() + size / 2, centre.y() + dy},
                                      {centre.x(), centre.y() - dy}});
    }
    painter.restore();
}

void paintBorder(QPainter& painter, const QRect& outer, int inset, const QPalette& palette,
                 bool enabled) {
    const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
    const auto ring = [&](const QRect& area, int width, const QColor& colour) {
        painter.fillRect(QRect(area.left(), area.top(), area.width(), width), colour);
        painter.fillRect(QRect(area.left(), area.bottom() + 1 - width, area.width(), width),
                         colour);
        painter.fillRect(QRect(area.left(), area.top(), width, area.height()), colour);
        painter.fillRect(QRect(area.right() + 1 - width, area.top(), width, area.height()), colour);
    };
    if (inset > 1)
        ring(outer.adjusted(1, 1, -1, -1), inset - 1, palette.color(group, QPalette::Base));
    // The desktop's outline tone: a shade darker than the window behind the box.
    ring(outer, 1, palette.color(group, QPalette::Window).darker(140));
}

} // namespace kestrune::platform::detail
