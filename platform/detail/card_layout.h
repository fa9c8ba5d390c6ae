// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Where each text and rule of a printed card goes, in points from the top left of the printable
// area: readable at arm's length, the table across the whole width, more pages rather than type
// too small to read.

#include "platform/print.h"

#include <functional>
#include <string>
#include <vector>

namespace kestrune::platform::detail {

enum class CardStyle { Title, Body, Head };

// The type of the body and the table at most and at least; the title is a third larger.
inline constexpr double kCardLargestPoints = 14;
inline constexpr double kCardSmallestPoints = 12;

// How the device's fonts measure: a text's width at a size, and a line's ascent and spacing per
// point of size.
struct CardMetrics {
    std::function<double(const std::string& text, CardStyle style, double points)> width;
    double ascent = 0.9;
    double lineSpacing = 1.2;
};

struct CardText {
    std::string text;
    CardStyle style;
    double points;
    double x, baseline;
};

struct CardRule {
    double y, left, right;
};

struct CardPage {
    std::vector<CardText> texts;
    std::vector<CardRule> rules;
};

struct CardLayout {
    double bodyPoints = kCardLargestPoints;
    std::vector<double> columns; // each column's left edge; the last one's cell ends at the width
    std::vector<CardPage> pages;
};

// The printout on pages of the size given, at the largest type from kCardLargestPoints down to
// kCardSmallestPoints at which it fits one page, else at the smallest on as many pages as it
// takes, the table's heads again at the top of each.
CardLayout layCard(const Printout& printout, double width, double height,
                   const CardMetrics& metrics);

} // namespace kestrune::platform::detail
