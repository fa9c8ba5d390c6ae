// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/list_box_painting.h"

#include "platform/detail/list_box_control.h"
#include "platform/detail/list_box_model.h"

#include <QPainter>
#include <QPolygonF>
#include <QTextOption>
#include <cmath>

namespace kestrune::platform::detail {

ListBoxDelegate::ListBoxDelegate(ListBoxControl* box) : QStyledItemDelegate(box), box_(box) {}

QSize ListBoxDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                                const QModelIndex& /*index*/) const {
    return {std::max(box_->contentWidth(), 1), box_->rowHeight()};
}

void ListBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    // A one-line list's selection is its value: highlighted only while the list has focus.
    if (box_->isOneLine() && !box_->hasFocus())
        item.state &= ~QStyle::State_Selected;
    const QString text = item.text;
    item.text.clear();
    const QStyle* style = box_->style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, box_);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, box_)
                           .adjusted(kTextMargin / 2, 0, -(kTextMargin / 2), 0);
    const QPalette::ColorGroup group =
        (item.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const bool selected = (item.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setPen(
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    if (box_->expandsTabs())
        layout.setTabStopDistance(box_->tabStop());
    painter->setClipRect(area);
    painter->drawText(QRectF(area), text, layout);
    painter->restore();
}

RowMeter::RowMeter(const QFont& font, qreal tabStop, bool expandTabs)
    : metrics_(font), tabStop_(tabStop), expandTabs_(expandTabs && tabStop > 0) {
    for (std::size_t c = 0; c < ascii_.size(); ++c)
        ascii_[c] = metrics_.horizontalAdvance(QChar(static_cast<char16_t>(c)));
}

qreal RowMeter::width(std::string_view row) const {
    row = row.substr(0, kShownBytes);
    qreal x = 0;
    for (;;) {
        const std::size_t tab = row.find('\t');
        const std::string_view piece = row.substr(0, tab);
        qreal advance = 0;
        for (const char byte : piece) {
            const auto code = static_cast<unsigned char>(byte);
            if (code >= ascii_.size()) { // shaped as drawn: only rows beyond ASCII pay for it
                advance = metrics_.horizontalAdvance(shownText(piece));
                break;
            }
            advance += ascii_[code];
        }
        x += advance;
        if (tab == std::string_view::npos)
            return x;
        x = expandTabs_ ? (std::floor(x / tabStop_) + 1) * tabStop_ : x + ascii_['\t'];
        row.remove_prefix(tab + 1);
    }
}

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
