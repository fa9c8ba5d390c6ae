// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/row_delegate.h"

#include <QApplication>
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
    tabStops_.applyTo(layout);
    painter->setClipRect(area);
    painter->drawText(QRectF(area), text, layout);
    painter->restore();
}

} // namespace kestrune::platform::detail
