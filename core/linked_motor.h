// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Motor Weight page's motor: its length and weight, linked through the rubber.

#include "motor_weight.h"

#include <optional>

namespace kestrune {

// The one of length and weight the user typed last decides the other. Both are kept exact, in
// inches and grams; only what the page shows is rounded, so a length found from a weight weighs
// that weight. A class's limit put into the weight stands in for the user's own value while the
// class is chosen; choosing None brings that value back, so stepping through the Class list
// (past F1B's 30 g on the way to None) loses nothing the user typed.
class LinkedMotor {
public:
    enum class Side { Length, Weight };

    // What the user typed: a length or weight above 0, or nothing for an empty or bad box.
    void typeLength(std::optional<double> inches);
    void typeWeight(std::optional<double> grams);
    // A Class list entry was chosen: a class's limit becomes the weight, None brings back the
    // user's own value. True when the deciding value changed.
    bool chooseClass(int weightClass);
    // The side not deciding follows the deciding one, for this rubber and cross-section.
    void follow(const RubberStock& stock, double width, double strands);

    Side decides() const { return decides_; }
    std::optional<double> length() const { return length_; }
    std::optional<double> weight() const { return weight_; }

private:
    void decide(Side side, std::optional<double> value);

    Side decides_ = Side::Length;
    std::optional<double> length_;
    std::optional<double> weight_;
    // While a class's limit is the weight: the side the user had typed, and its value.
    std::optional<Side> ownSide_;
    std::optional<double> ownValue_;
};

} // namespace kestrune
