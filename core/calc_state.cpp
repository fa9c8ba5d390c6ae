// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "calc_state.h"

namespace kestrune {
namespace {
bool isKnownType(int index) {
    return index >= 0 && index < kRubberTypeCount;
}
} // namespace

std::optional<double> stripWidthInches(int index) {
    if (index < 0 || index >= kStripWidthCount)
        return std::nullopt;
    return kStripWidths[static_cast<std::size_t>(index)].inches;
}

CalcState& calcState() {
    static CalcState state;
    return state;
}

std::optional<double> defaultTurnsConstant(int index) {
    if (!isKnownType(index))
        return std::nullopt;
    return kDefaultCalibration.turns[static_cast<std::size_t>(index)];
}

std::optional<double> defaultTorqueConstant(int index) {
    if (!isKnownType(index))
        return std::nullopt;
    return kDefaultCalibration.torque[static_cast<std::size_t>(index)];
}

void selectRubberType(CalcState& state, Quantity quantity, int index) {
    state.currentType = index;
    if (!isKnownType(index))
        return;
    const auto slot = static_cast<std::size_t>(index);
    if (quantity == Quantity::Turns) {
        state.turnsConstant = state.table.turns[slot];
        state.turnsConstantType = index;
    } else {
        state.torqueConstant = state.table.torque[slot];
        state.torqueConstantType = index;
    }
}

} // namespace kestrune
