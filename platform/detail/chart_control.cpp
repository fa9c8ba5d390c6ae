// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/chart_control.h"

#include "platform/detail/chart_painting.h"

#include <QPainter>

namespace kestrune::platform::detail {

ChartControl::ChartControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartControl::setData(ChartData data) {
    data_ = std::move(data);
    update();
}

void ChartControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const ChartInk ink{colours.color(QPalette::Base), colours.color(QPalette::Text),
                       colours.color(QPalette::Mid)};
    painter.fillRect(rect(), ink.paper);
    paintChart(painter, QRectF(rect()), data_, font(), ink);
    if (hasFocus()) {
        painter.setPen(QPen(ink.text, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace kestrune::platform::detail
