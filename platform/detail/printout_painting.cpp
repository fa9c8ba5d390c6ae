// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/printout_painting.h"

#include "platform/detail/qt_text.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace kestrune::platform::detail {

namespace {

// Point sizes are lengths on paper, whatever the device's resolution.
constexpr qreal kBodyPoints = 10;
constexpr qreal kTitlePoints = 14;
constexpr qreal kRulePoints = 0.5;

struct Piece {
    QString text;
    const QFont* font;
    QPointF baseline;
};

struct Rule {
    qreal y, width;
};

// The printout laid out at its natural size from (0, 0); painted smaller when the page is smaller.
class Page {
public:
    explicit Page(const QPaintDevice& device) : device_(device) {
        body_ = QGuiApplication::font();
        body_.setPointSizeF(kBodyPoints);
        heads_ = body_;
        heads_.setBold(true);
        title_ = heads_;
        title_.setPointSizeF(kTitlePoints);
    }
    // Its pieces point at its fonts.
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    void lay(const Printout& printout) {
        const QFontMetricsF metrics(body_, &device_);
        const qreal gap = metrics.lineSpacing() / 2;
        if (!printout.title.empty()) {
            line(qtText(printout.title), title_);
            y_ += gap;
        }
        for (const std::string& text : printout.lines)
            line(qtText(text), body_);
        if (!printout.header.empty() || !printout.rows.empty()) {
            y_ += gap;
            table(printout, metrics.averageCharWidth() * 3, gap / 2);
        }
        if (!printout.footer.empty()) {
            y_ += gap;
            line(qtText(printout.footer), body_);
        }
    }

    void paint(QPainter& painter) const {
        const qreal points = device_.logicalDpiY() / 72.0;
        const QRectF page(0, 0, device_.width(), device_.height());
        const qreal scale = std::min(
            {1.0, page.width() / std::max(width_, 1.0), page.height() / std::max(y_, 1.0)});
        painter.scale(scale, scale);
        painter.setPen(QPen(Qt::black, kRulePoints * points / scale));
        for (const Rule& rule : rules_)
            painter.drawLine(QPointF(0, rule.y), QPointF(rule.width, rule.y));
        for (const Piece& piece : pieces_) {
            painter.setFont(*piece.font);
            painter.drawText(piece.baseline, piece.text);
        }
    }

private:
    // Puts the text at x on the current line; the height that line needs for it.
    qreal put(const QString& text, const QFont& font, qreal x) {
        const QFontMetricsF metrics(font, &device_);
        pieces_.push_back({text, &font, QPointF(x, y_ + metrics.ascent())});
        width_ = std::max(width_, x + metrics.horizontalAdvance(text));
        return metrics.lineSpacing();
    }

    void line(const QString& text, const QFont& font) { y_ += put(text, font, 0); }

    void rule(qreal width) {
        rules_.push_back({y_, width});
        width_ = std::max(width_, width);
    }

    void row(const std::vector<std::string>& cells, const QFont& font,
             const std::vector<qreal>& columns) {
        qreal height = QFontMetricsF(font, &device_).lineSpacing();
        for (std::size_t c = 0; c < cells.size(); ++c)
            height = std::max(height, put(qtText(cells[c]), font, columns[c]));
        y_ += height;
    }

    // Columns as wide as their widest cell and a gap; the heads between two rules, one below.
    void table(const Printout& printout, qreal columnGap, qreal ruleGap) {
        std::size_t count = printout.header.size();
        for (const auto& cells : printout.rows)
            count = std::max(count, cells.size());
        std::vector<qreal> widths(count, 0);
        const auto measure = [&](const std::vector<std::string>& cells, const QFont& font) {
            const QFontMetricsF metrics(font, &device_);
            for (std::size_t c = 0; c < cells.size(); ++c)
                widths[c] = std::max(widths[c], metrics.horizontalAdvance(qtText(cells[c])));
        };
        measure(printout.header, heads_);
        for (const auto& cells : printout.rows)
            measure(cells, body_);
        std::vector<qreal> columns(count, 0);
        qreal right = 0;
        for (std::size_t c = 0; c < count; ++c) {
            columns[c] = c == 0 ? 0 : right + columnGap;
            right = columns[c] + widths[c];
        }
        if (!printout.header.empty()) {
            rule(right);
            y_ += ruleGap;
            row(printout.header, heads_, columns);
        }
        rule(right);
        y_ += ruleGap;
        for (const auto& cells : printout.rows)
            row(cells, body_, columns);
        y_ += ruleGap;
        rule(right);
    }

    const QPaintDevice& device_;
    QFont body_, heads_, title_;
    std::vector<Piece> pieces_;
    std::vector<Rule> rules_;
    qreal y_ = 0;
    qreal width_ = 0;
};

} // namespace

bool paintPrintout(QPaintDevice& device, const Printout& printout) {
    Page page(device);
    page.lay(printout);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    page.paint(painter);
    return painter.end();
}

} // namespace kestrune::platform::detail
