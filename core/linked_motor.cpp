// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "linked_motor.h"

#include <utility>

namespace kestrune {

void LinkedMotor::decide(Side side, std::optional<double> value) {
    decides_ = side;
    (side == Side::Length ? length_ : weight_) = value;
}

void LinkedMotor::typeLength(std::optional<double> inches) {
    ownSide_.reset();
    decide(Side::Length, inches);
}

void LinkedMotor::typeWeight(std::optional<double> grams) {
    ownSide_.reset();
    decide(Side::Weight, grams);
}

bool LinkedMotor::chooseClass(int weightClass) {
    if (const std::optional<double> limit = classLimit(weightClass)) {
        if (!ownSide_) {
            ownSide_ = decides_;
            ownValue_ = decides_ == Side::Length ? length_ : weight_;
        }
        decide(Side::Weight, limit);
        return true;
    }
    if (!ownSide_)
        return false;
    decide(*std::exchange(ownSide_, std::nullopt), ownValue_);
    return true;
}

void LinkedMotor::follow(const RubberStock& stock, double width, double strands) {
    if (decides_ == Side::Length)
        weight_ = length_ ? motorWeight(stock, width, strands, *length_) : std::nullopt;
    else
        length_ = weight_ ? motorLength(stock, width, strands, *weight_) : std::nullopt;
}

} // namespace kestrune
