// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/row_delegate.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

namespace kestrune::platform::detail {

namespace {
// Room the drawing leaves around a row's text, left and right together.
constexpr int kTextMargin = 6;
} // namespace

RowDelegate::RowDelegate(TabStops tabStops, std::function<QSize()> rowSize, QObject* parent)
    : QStyledItemDelegate(parent), tabStops_(std::move(tabStops)), rowSize_(std::move(rowSize)) {}

int RowDelegate::textMargins(const QWidget& view) {
    return kTextMargin +
           2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                            const QModelIndex& /*index*/) const {
    return rowSize_();
}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* view = option.widget;
    const QStyle* style = view != nullptr ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view)
                           .adjusted(kTextMargin / 2, 0, -(kTextMargin / 2), 0);
    const QPalette::ColorGroup group =
        (item.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const bool selected = (item.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setPen(
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    painter->setClipRect(area);
    if (!tabStops_.expands()) {
        painter->drawText(QRectF(area), text, layout);
        painter->restore();
        return;
    }
    // Each column is cut at the next stop, so that a long one cannot push the rest of its row
    // out of their columns; the last one runs to the row's end.
    const QFontMetricsF metrics(painter->font());
    const qreal gap = metrics.horizontalAdvance(QLatin1Char(' '));
    qreal x = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype tab = text.indexOf(QLatin1Char('\t'), from);
        const QString column = text.mid(from, tab < 0 ? -1 : tab - from);
        const qreal left = area.left() + x;
        if (tab < 0) {
            painter->drawText(QRectF(left, area.top(), area.right() + 1 - left, area.height()),
                              column, layout);
            break;
        }
        const qreal next = tabStops_.after(x);
        const qreal room = next - x;
        const QString shown = metrics.horizontalAdvance(column) <= room
                                  ? column
                                  : metrics.elidedText(column, Qt::ElideRight, room - gap);
        painter->drawText(QRectF(left, area.top(), room, area.height()), shown, layout);
        x = next;
        from = tab + 1;
    }
    painter->restore();
}

} // namespace kestrune::platform::detail
