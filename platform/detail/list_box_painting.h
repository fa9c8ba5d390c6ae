// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// How list box rows and the arrows of a one-line list box are drawn and measured.

#include <QFontMetricsF>
#include <QStyledItemDelegate>
#include <array>
#include <string_view>

namespace kestrune::platform::detail {

class ListBoxControl;

// Draws a row with its tabs expanded at the list box's tab stops.
class ListBoxDelegate final : public QStyledItemDelegate {
public:
    explicit ListBoxDelegate(ListBoxControl* box);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Room the drawing leaves around a row's text, left and right together.
    static constexpr int kTextMargin = 6;

private:
    ListBoxControl* box_;
};

// Measures a row as the delegate draws it: the advances of its characters, tabs expanded at the
// tab stops. ASCII comes from a table, so a hundred thousand rows measure in a few milliseconds.
class RowMeter {
public:
    RowMeter(const QFont& font, qreal tabStop, bool expandTabs);
    qreal width(std::string_view row) const;

private:
    QFontMetricsF metrics_;
    std::array<qreal, 128> ascii_{};
    qreal tabStop_;
    bool expandTabs_;
};

// The small up and down arrows of a one-line list box's scroll bar, in the text colour.
void paintArrows(QPainter& painter, const QRectF& area, const QColor& colour);

// A list box's border: a one-pixel line round the outer rectangle, filled rather than stroked so
// that every edge shows whole at fractional scale factors too, and inside it a ring of the base
// colour `inset` pixels wide in all, which keeps child windows (a many-line list's rows and scroll
// bar) from being rounded onto the line.
void paintBorder(QPainter& painter, const QRect& outer, int inset, const QPalette& palette,
                 bool enabled);

} // namespace kestrune::platform::detail
