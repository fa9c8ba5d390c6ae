// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/card_layout.h"

#include <algorithm>
#include <cstddef>

namespace kestrune::platform::detail {

namespace {

constexpr double kTitleScale = 4.0 / 3.0;

class Layer {
public:
    Layer(const Printout& printout, double width, double height, const CardMetrics& metrics,
          double points)
        : printout_(printout), width_(width), height_(height), metrics_(metrics), points_(points) {}

    // False when a text or the table is wider than the page.
    bool lay(CardLayout& layout) {
        layout_ = &layout;
        layout.bodyPoints = points_;
        layout.pages.assign(1, {});
        const double gap = spacing(points_) / 2;
        if (!printout_.title.empty()) {
            line(printout_.title, CardStyle::Title);
            y_ += gap;
        }
        for (const std::string& text : printout_.lines)
            line(text, CardStyle::Body);
        if (!printout_.header.empty() || !printout_.rows.empty()) {
            y_ += gap;
            table(gap / 2);
        }
        if (!printout_.footer.empty()) {
            y_ += gap;
            line(printout_.footer, CardStyle::Body);
        }
        return fits_;
    }

private:
    double size(CardStyle style) const {
        return style == CardStyle::Title ? points_ * kTitleScale : points_;
    }
    double spacing(double points) const { return metrics_.lineSpacing * points; }

    // A new page when the height asked for does not fit below what the page holds.
    void room(double needed) {
        if (y_ > 0 && y_ + needed > height_) {
            layout_->pages.emplace_back();
            y_ = 0;
        }
    }

    void put(const std::string& text, CardStyle style, double x) {
        const double points = size(style);
        layout_->pages.back().texts.push_back(
            {text, style, points, x, y_ + metrics_.ascent * points});
    }

    void line(const std::string& text, CardStyle style) {
        const double points = size(style);
        room(spacing(points));
        put(text, style, 0);
        y_ += spacing(points);
        fits_ = fits_ && metrics_.width(text, style, points) <= width_;
    }

    void rule() { layout_->pages.back().rules.push_back({y_, 0, width_}); }

    void row(const std::vector<std::string>& cells, CardStyle style) {
        for (std::size_t c = 0; c < cells.size() && c < layout_->columns.size(); ++c)
            put(cells[c], style, layout_->columns[c]);
        y_ += spacing(points_);
    }

    void heads(double ruleGap) {
        rule();
        y_ += ruleGap;
        if (!printout_.header.empty()) {
            row(printout_.header, CardStyle::Head);
            rule();
            y_ += ruleGap;
        }
    }

    // Each column as wide as its widest cell and a gap, all widened alike to fill the width; the
    // heads between two rules, one rule below the rows.
    void table(double ruleGap) {
        std::size_t count = printout_.header.size();
        for (const auto& cells : printout_.rows)
            count = std::max(count, cells.size());
        std::vector<double> cellWidths(count, 0);
        const auto measure = [&](const std::vector<std::string>& cells, CardStyle style) {
            for (std::size_t c = 0; c < cells.size(); ++c)
                cellWidths[c] = std::max(cellWidths[c], metrics_.width(cells[c], style, points_));
        };
        measure(printout_.header, CardStyle::Head);
        for (const auto& cells : printout_.rows)
            measure(cells, CardStyle::Body);
        const double gap = points_; // between columns, at the narrowest
        double natural = 0;
        for (std::size_t c = 0; c < count; ++c)
            natural += cellWidths[c] + (c + 1 < count ? gap : 0);
        fits_ = fits_ && natural <= width_;
        const double stretch =
            count > 1 ? std::max(0.0, width_ - natural) / static_cast<double>(count - 1) : 0;
        layout_->columns.assign(count, 0);
        for (std::size_t c = 1; c < count; ++c)
            layout_->columns[c] = layout_->columns[c - 1] + cellWidths[c - 1] + gap + stretch;
        const double line = spacing(points_);
        const double headHeight = (printout_.header.empty() ? 0 : line + ruleGap) + ruleGap;
        room(headHeight + line);
        heads(ruleGap);
        for (const auto& cells : printout_.rows) {
            if (y_ + line + ruleGap > height_) {
                y_ += ruleGap;
                rule();
                layout_->pages.emplace_back();
                y_ = 0;
                heads(ruleGap);
            }
            row(cells, CardStyle::Body);
        }
        y_ += ruleGap;
        rule();
    }

    const Printout& printout_;
    double width_, height_;
    const CardMetrics& metrics_;
    double points_;
    CardLayout* layout_ = nullptr;
    double y_ = 0;
    bool fits_ = true;
};

} // namespace

CardLayout layCard(const Printout& printout, double width, double height,
                   const CardMetrics& metrics) {
    CardLayout layout;
    for (double points = kCardLargestPoints; points >= kCardSmallestPoints; points -= 1) {
        layout = {};
        const bool fits = Layer(printout, width, height, metrics, points).lay(layout);
        if (fits && layout.pages.size() == 1)
            return layout;
    }
    // Wider than the page even at the smallest type: the widest texts run past its right edge.
    layout = {};
    Layer(printout, width, height, metrics, kCardSmallestPoints).lay(layout);
    return layout;
}

} // namespace kestrune::platform::detail
