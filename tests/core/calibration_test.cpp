// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/breaking_torque.h"
#include "core/breaking_turns.h"
#include "core/calibration.h"
#include "tests/support/case_name.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kestrune {
namespace {

using test::PrintTo;

struct WidthFactor {
    const char* name;
    int width;
    double turnsFactor;
    double torqueFactor;
};

class CalibrationFactors : public ::testing::TestWithParam<WidthFactor> {};

TEST_P(CalibrationFactors, ScaleTheMeasurementToTheReferenceSection) {
    const WidthFactor& c = GetParam();
    const double inches = *stripWidthInches(c.width);
    EXPECT_NEAR(turnsConstantFromMeasurement(100, inches), 100 * c.turnsFactor, 5e-4);
    EXPECT_NEAR(torqueConstantFromMeasurement(1, inches), c.torqueFactor, 5e-6);
}

INSTANTIATE_TEST_SUITE_P(Widths, CalibrationFactors,
                         ::testing::Values(WidthFactor{"w1_16", 0, 0.70711, 2.82843},
                                           WidthFactor{"w3_32", 1, 0.86603, 1.53960},
                                           WidthFactor{"w1_8", 2, 1, 1},
                                           WidthFactor{"w3_16", 3, 1.22474, 0.54433},
                                           WidthFactor{"w1_4", 4, 1.41421, 0.35355}),
                         test::CaseName());

TEST(Calibration, EighthInchGivesTheMeasurementExactly) {
    for (double v : {107.4, 2.704, 0.0, -3.25, 1e-9, 123456.789}) {
        EXPECT_EQ(turnsConstantFromMeasurement(v, 0.125), v);
        EXPECT_EQ(torqueConstantFromMeasurement(v, 0.125), v);
    }
}

// The calibrated constant fed back through the page formula gives the measurement again.
TEST(Calibration, RoundTripsThroughTheStandardFormulas) {
    for (int width = 0; width < kStripWidthCount; ++width) {
        for (double v : {40.0, 75.5, 107.0, 151.3}) {
            CalcState state;
            calibrateTurnsConstant(state, v, width);
            const double inches = *stripWidthInches(width);
            const double d = 2 * inches;
            const double tpi = d > 0.25 ? state.turnsConstant / std::sqrt(4 * d)
                                        : std::sqrt(0.25 / d) * state.turnsConstant;
            EXPECT_NEAR(tpi, v, v * 1e-14) << "width " << width;
            // And through the page calculation itself: a 1000-inch two-strand motor at 100 %.
            computeBreakingTurns(state, inches, 2, 100, 1000, false);
            EXPECT_NEAR(state.turnsMotor.turns, std::trunc(1000 * v), 1.0);
        }
        for (double v : {0.5, 2.7, 6.25}) {
            CalcState state;
            calibrateTorqueConstant(state, v, width);
            computeBreakingTorque(state, *stripWidthInches(width), 2, 100, false);
            EXPECT_NEAR(state.torqueMotor.torque - 0.005, v, v * 1e-14) << "width " << width;
        }
    }
}

TEST(Calibration, InstallsTheConstantForTheCurrentTypeOnly) {
    CalcState state;
    state.table = {{107, 5, 6}, {2.7, 0.5, 0.6}};
    state.currentType = TanSuperSport;
    state.torqueConstant = 9;
    const CalibrationResult result = calibrateTurnsConstant(state, 100, 3);
    EXPECT_NEAR(result.constant, 122.4745, 5e-5);
    EXPECT_EQ(state.turnsConstant, result.constant);
    EXPECT_EQ(state.table.turns[1], result.constant);
    EXPECT_EQ(state.table.turns[0], 107);
    EXPECT_EQ(state.table.turns[2], 6);
    EXPECT_EQ(state.table.torque, (std::array<double, 3>{2.7, 0.5, 0.6}));
    EXPECT_EQ(state.torqueConstant, 9);
}

TEST(Calibration, TorqueLeavesTurnsAlone) {
    CalcState state;
    state.table = {{107, 0, 0}, {2.7, 0, 0}};
    state.turnsConstant = 99;
    calibrateTorqueConstant(state, 1, 4);
    EXPECT_NEAR(state.torqueConstant, 0.35355, 5e-6);
    EXPECT_EQ(state.table.torque[0], state.torqueConstant);
    EXPECT_EQ(state.table.turns[0], 107);
    EXPECT_EQ(state.turnsConstant, 99);
}

TEST(Calibration, ZeroMeasurementMeansNotCalibrated) {
    CalcState state;
    state.table = kDefaultCalibration;
    calibrateTurnsConstant(state, 0, 2);
    EXPECT_EQ(state.turnsConstant, 0);
    EXPECT_EQ(state.table.turns[0], 0);
}

TEST(Calibration, UnknownCurrentTypeSetsOnlyThePageConstant) {
    CalcState state;
    state.table = kDefaultCalibration;
    state.currentType = -1;
    calibrateTurnsConstant(state, 50, 2);
    EXPECT_EQ(state.turnsConstant, 50);
    EXPECT_EQ(state.table.turns, kDefaultCalibration.turns);
}

TEST(Calibration, WidthOutsideTheListChangesNothing) {
    CalcState state;
    state.turnsConstant = 107;
    state.table = kDefaultCalibration;
    for (int width : {-1, 5}) {
        EXPECT_EQ(calibrateTurnsConstant(state, 50, width).constant, 107);
        EXPECT_EQ(state.turnsConstant, 107);
        EXPECT_EQ(state.table.turns[0], 107);
    }
}

// A two-strand break test is the seed's loop calibration of the same measurement, to the bit.
TEST(BreakTestConstants, TwoStrandsAreTheLoopCalibrationExactly) {
    for (const StripWidthInfo& width : kStripWidths) {
        for (int turns = 1; turns < 3000; turns += 7) {
            for (double length : {1.0, 3.0, 7.25, 10.0, 13.7, 254.0 / 25.4}) {
                const double v = turns / length;
                ASSERT_EQ(*testTurnsConstant(turns, length, 2, width.inches),
                          turnsConstantFromMeasurement(v, width.inches));
                ASSERT_EQ(*testTorqueConstant(v / 50, 2, width.inches),
                          torqueConstantFromMeasurement(v / 50, width.inches));
            }
        }
    }
}

// Any strand count: the constant fed back through the page formulas gives the test again.
TEST(BreakTestConstants, InvertThePageFormulasForAnyStrandCount) {
    for (int strands : {1, 3, 4, 14, 99}) {
        for (int w = 0; w < kStripWidthCount; ++w) {
            const double inches = *stripWidthInches(w);
            CalcState state;
            state.turnsConstant = *testTurnsConstant(1500, 20, strands, inches);
            computeBreakingTurns(state, inches, strands, 100, 20, false);
            EXPECT_NEAR(state.turnsMotor.turns, 1500, 1) << strands << " of " << inches;
            state.torqueConstant = *testTorqueConstant(4.5, strands, inches);
            computeBreakingTorque(state, inches, strands, 100, false);
            EXPECT_NEAR(state.torqueMotor.torque - 0.005, 4.5, 1e-12);
        }
    }
    EXPECT_NEAR(*measuredDensity(3.44128344, 0.042, 0.125, 4, 10), 1.0, 1e-15);
    for (double bad : {0.0, -1.0, std::nan(""), HUGE_VAL}) {
        EXPECT_EQ(testTurnsConstant(bad, 10, 2, 0.125), std::nullopt);
        EXPECT_EQ(testTurnsConstant(100, bad, 2, 0.125), std::nullopt);
        EXPECT_EQ(testTorqueConstant(bad, 2, 0.125), std::nullopt);
        EXPECT_EQ(measuredDensity(3, bad, 0.125, 4, 10), std::nullopt);
    }
    EXPECT_EQ(testTurnsConstant(100, 1e-320, 2, 0.125), std::nullopt) << "overflows";
}

// Use acts as a calibration of the batch's type, or changes nothing and saves nothing.
TEST(UseBatchConstants, ActAsACalibrationOrChangeNothing) {
    const struct {
        int type;
        double turns;
        std::optional<double> torque;
        bool refused;
    } cases[] = {{TanSuperSport, 96.5, 1.55, false},
                 {TanSport, 88, 1.2, false},
                 {TanSuperSport, 96.5, {}, false},
                 {TanSport, 0, 1.2, true},
                 {TanSport, 88, -1, true},
                 {TanII, HUGE_VAL, {}, true},
                 {TanII, 88, std::nan(""), true},
                 {3, 88, 1.2, true},
                 {-1, 88, 1.2, true}};
    for (const auto& c : cases) {
        CalcState state;
        state.table = {{107, 90, 0}, {2.7, 1.5, 0}};
        state.currentType = TanSuperSport;
        state.turnsConstant = 91;
        state.torqueConstant = 1.6;
        const CalcState before = state;
        EXPECT_EQ(canUseConstants(c.type, c.turns, c.torque), !c.refused);
        EXPECT_EQ(useBatchConstants(state, c.type, c.turns, c.torque).refused, c.refused);
        const auto slot = static_cast<std::size_t>(c.type < 0 ? 0 : c.type % 3);
        const bool applied = !c.refused, current = applied && c.type == TanSuperSport;
        EXPECT_EQ(state.table.turns[slot], applied ? c.turns : before.table.turns[slot]);
        EXPECT_EQ(state.table.torque[slot],
                  applied && c.torque ? *c.torque : before.table.torque[slot]);
        EXPECT_EQ(state.turnsConstant, current ? c.turns : before.turnsConstant);
        EXPECT_EQ(state.torqueConstant, current && c.torque ? *c.torque : before.torqueConstant);
    }
}

} // namespace
} // namespace kestrune
