// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "preferences.h"

#include <algorithm>

namespace kestrune {
namespace {

// A strip this thick or this dense is no rubber: in millimetres it would be no number to show.
bool isRubberMeasure(double value) {
    return isPositive(value) && value <= kLargestMotorMeasure;
}

} // namespace

bool Preferences::setThickness(double inches) {
    if (!isRubberMeasure(inches))
        return false;
    thickness_ = inches;
    return true;
}

bool Preferences::setDensity(double gramsPerCubicCentimetre) {
    if (!isRubberMeasure(gramsPerCubicCentimetre))
        return false;
    density_ = gramsPerCubicCentimetre;
    return true;
}

bool Preferences::setWinderRatio(int ratio) {
    if (ratio < 1)
        return false;
    winderRatio_ = ratio;
    return true;
}

bool Preferences::setStretch(double times) {
    if (!(times >= kLeastStretch && times <= kGreatestStretch))
        return false;
    stretch_ = times;
    return true;
}

bool holdsBatchConstants(const ExactConstants& constants, int type, const ConstantsBatch& batch) {
    if (type < 0 || type >= kRubberTypeCount)
        return false;
    const auto slot = static_cast<std::size_t>(type);
    return constants.turns[slot] == batch.turns &&
           (!batch.torque || constants.torque[slot] == *batch.torque);
}

const ConstantsBatch* Preferences::constantsBatch(const CalibrationTable& table, int type) const {
    if (type < 0 || type >= kRubberTypeCount)
        return nullptr;
    const std::optional<ConstantsBatch>& batch = constantsBatches[static_cast<std::size_t>(type)];
    return batch && holdsBatchConstants(exactConstantsOf(table), type, *batch) ? &*batch : nullptr;
}

ExactConstants exactConstantsOf(const CalibrationTable& table) {
    ExactConstants exact;
    for (std::size_t i = 0; i < table.turns.size(); ++i) {
        exact.turns[i] = table.turns[i];
        exact.torque[i] = table.torque[i];
    }
    return exact;
}

bool isKeptInputKey(std::string_view key) {
    const auto allowed = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
    };
    return !key.empty() && std::all_of(key.begin(), key.end(), allowed);
}

Preferences& preferences() {
    static Preferences instance;
    return instance;
}

} // namespace kestrune
