// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/row_meter.h"

#include "platform/detail/list_box_model.h"

namespace kestrune::platform::detail {

RowMeter::RowMeter(const QFont& font, TabStops tabStops)
    : metrics_(font), tabStops_(std::move(tabStops)) {
    for (std::size_t c = 0; c < ascii_.size(); ++c)
        ascii_[c] = metrics_.horizontalAdvance(QChar(static_cast<char16_t>(c)));
}

qreal RowMeter::shapedWidth(std::string_view piece) const {
    // Short columns repeat; a long one (a note) is seldom met twice and is not kept.
    constexpr std::size_t kKeptBytes = 64;
    constexpr std::size_t kMostKept = 4096;
    if (piece.size() > kKeptBytes)
        return metrics_.horizontalAdvance(shownText(piece));
    std::string key(piece);
    if (const auto kept = shaped_.find(key); kept != shaped_.end())
        return kept->second;
    const qreal width = metrics_.horizontalAdvance(shownText(piece));
    if (shaped_.size() < kMostKept)
        shaped_.emplace(std::move(key), width);
    return width;
}

qreal RowMeter::width(std::string_view row) const {
    row = row.substr(0, kShownBytes);
    qreal x = 0;
    for (;;) {
        const std::size_t tab = row.find('\t');
        // A column before a stop is drawn cut at it, whatever its width.
        if (tab != std::string_view::npos && tabStops_.expands()) {
            x = tabStops_.after(x);
            row.remove_prefix(tab + 1);
            continue;
        }
        const std::string_view piece = row.substr(0, tab);
        qreal advance = 0;
        for (const char byte : piece) {
            const auto code = static_cast<unsigned char>(byte);
            if (code >= ascii_.size()) { // shaped as drawn: only rows beyond ASCII pay for it
                advance = shapedWidth(piece);
                break;
            }
            advance += ascii_[code];
        }
        x += advance;
        if (tab == std::string_view::npos)
            return x;
        x += ascii_['\t'];
        row.remove_prefix(tab + 1);
    }
}

} // namespace kestrune::platform::detail
