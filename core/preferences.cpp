// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "preferences.h"

namespace kestrune {

bool Preferences::setThickness(double inches) {
    if (!isPositive(inches))
        return false;
    thickness_ = inches;
    return true;
}

bool Preferences::setDensity(double gramsPerCubicCentimetre) {
    if (!isPositive(gramsPerCubicCentimetre))
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

Preferences& preferences() {
    static Preferences instance;
    return instance;
}

} // namespace kestrune
