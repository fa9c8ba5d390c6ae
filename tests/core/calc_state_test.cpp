// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/calc_state.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

TEST(SelectRubberType, LoadsTheTableConstantOfThePagesQuantity) {
    CalcState state;
    state.table = {{107, 80, 90}, {2.7, 1.5, 1.8}};
    state.turnsConstant = 1;
    state.torqueConstant = 2;

    selectRubberType(state, Quantity::Turns, TanSport);
    EXPECT_EQ(state.currentType, TanSport);
    EXPECT_EQ(state.turnsConstant, 90);
    EXPECT_EQ(state.torqueConstant, 2) << "the other page keeps its own constant";

    selectRubberType(state, Quantity::Torque, TanSuperSport);
    EXPECT_EQ(state.currentType, TanSuperSport);
    EXPECT_EQ(state.torqueConstant, 1.5);
    EXPECT_EQ(state.turnsConstant, 90);
}

TEST(SelectRubberType, IndexOutsideTheListKeepsTheConstant) {
    CalcState state;
    state.table = kDefaultCalibration;
    state.turnsConstant = 55;
    for (int index : {-1, 3, 1000}) {
        selectRubberType(state, Quantity::Turns, index);
        EXPECT_EQ(state.currentType, index);
        EXPECT_EQ(state.turnsConstant, 55);
    }
}

TEST(DefaultConstants, AreTanIIsOnlyAndNothingOutsideTheList) {
    EXPECT_EQ(defaultTurnsConstant(TanII), 107);
    EXPECT_EQ(defaultTorqueConstant(TanII), 2.7);
    for (int type : {TanSuperSport, TanSport}) {
        EXPECT_EQ(defaultTurnsConstant(type), 0);
        EXPECT_EQ(defaultTorqueConstant(type), 0);
    }
    for (int index : {-1, 3}) {
        EXPECT_FALSE(defaultTurnsConstant(index).has_value());
        EXPECT_FALSE(defaultTorqueConstant(index).has_value());
    }
}

TEST(StripWidths, CodesAreTruncatedThousandths) {
    for (const StripWidthInfo& w : kStripWidths)
        EXPECT_EQ(w.code, static_cast<int>(w.inches * 1000)) << w.listText;
    EXPECT_EQ(kStripWidths[1].code, 93);
    EXPECT_EQ(kStripWidths[3].code, 187);
    EXPECT_FALSE(stripWidthInches(5).has_value());
    EXPECT_FALSE(stripWidthInches(-1).has_value());
}

} // namespace
} // namespace kestrune
