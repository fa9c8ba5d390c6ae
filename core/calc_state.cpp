// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "calc_state.h"

namespace kestrune {
namespace {
bool isKnownType(int index) {
    return index >= 0 && index < kRubberTypeCount;
}

template <class Table> std::string_view listTextAt(const Table& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        return {};
    return table[static_cast<std::size_t>(index)].listText;
}

template <class Table>
std::optional<int> indexOfListText(const Table& table, std::string_view text) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].listText == text)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

} // namespace

std::string_view typeListText(int type) {
    return listTextAt(kRubberTypes, type);
}

std::string_view widthListText(int width) {
    return listTextAt(kStripWidths, width);
}

std::optional<int> typeOfListText(std::string_view text) {
    return indexOfListText(kRubberTypes, text);
}

std::optional<int> widthOfListText(std::string_view text) {
    return indexOfListText(kStripWidths, text);
}

std::optional<double> stripWidthInches(int index) {
    if (index < 0 || index >= kStripWidthCount)
        return std::nullopt;
    return kStripWidths[static_cast<std::size_t>(index)].inches;
}

CalcState& calcState() {
    static CalcState state;
    return state;
}

int startingType(int currentType) {
    return isKnownType(currentType) ? currentType : TanII;
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
