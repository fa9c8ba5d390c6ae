// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/breaking_torque.h"
#include "core/breaking_turns.h"
#include "core/iso_date.h"
#include "core/motor_weight.h"
#include "core/preferences.h"
#include "core/winding_card.h"
#include "tests/support/case_name.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace kestrune {
namespace {

using test::PrintTo;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Units, ConvertAndPrintBothWays) {
    for (double inches : {0.042, 1.0, 10.5, 29.058925759396327})
        EXPECT_NEAR(toInches(fromInches(inches, LengthUnit::Millimetre), LengthUnit::Millimetre),
                    inches, inches * 1e-15);
    EXPECT_EQ(formatLength(29.058925759396327, LengthUnit::Inch), "29.06");
    EXPECT_EQ(formatLength(29.058925759396327, LengthUnit::Millimetre), "738.1");
    EXPECT_EQ(formatTorque(6.113402589451772, LengthUnit::Inch), "6.11 oz-in");
    EXPECT_EQ(formatTorque(6.113402589451772, LengthUnit::Millimetre), "6.11 oz-in (43.2 N·mm)");
    EXPECT_EQ(lengthUnitAt(lengthUnitIndex(LengthUnit::Millimetre)), LengthUnit::Millimetre);
}

struct WeightCase {
    const char* name;
    RubberStock stock;
    double width, strands, length;
    std::optional<double> weight;
};

class MotorWeight : public ::testing::TestWithParam<WeightCase> {};

TEST_P(MotorWeight, GivesAFiniteWeightAndItsLengthBackOrNothing) {
    const WeightCase& c = GetParam();
    const std::optional<double> weight = motorWeight(c.stock, c.width, c.strands, c.length);
    ASSERT_EQ(weight.has_value(), c.weight.has_value());
    if (!weight)
        return;
    EXPECT_NEAR(*weight, *c.weight, *c.weight * 1e-15);
    EXPECT_NEAR(*motorLength(c.stock, c.width, c.strands, *weight), c.length, c.length * 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MotorWeight,
    ::testing::Values(WeightCase{"four_eighths_ten_inches", {}, 0.125, 4, 10, 3.44128344},
                      WeightCase{"denser_thicker", {0.0625, 1.05}, 0.25, 2, 1, 0.5377005375},
                      WeightCase{"zero_length", {}, 0.125, 4, 0, {}},
                      WeightCase{"negative_length", {}, 0.125, 4, -1, {}},
                      WeightCase{"zero_thickness", {0, 1}, 0.125, 4, 10, {}},
                      WeightCase{"zero_density", {0.042, 0}, 0.125, 4, 10, {}},
                      WeightCase{"infinite_density", {0.042, kInf}, 0.125, 4, 10, {}},
                      WeightCase{"nan_length", {}, 0.125, 4, kNaN, {}},
                      WeightCase{"overflowing_weight", {0.042, 1e308}, 0.125, 4, 10, {}}),
    test::CaseName());

TEST(MotorLength, ClassLimitsAndBadWeights) {
    EXPECT_EQ(formatLength(*motorLength({}, 0.125, 4, *classLimit(2)), LengthUnit::Inch), "29.06");
    for (double weight : {0.0, -10.0, kInf, kNaN, 1e308})
        EXPECT_EQ(motorLength({}, 0.125, 4, weight), std::nullopt) << weight;
    EXPECT_EQ(classLimit(0), std::nullopt);
    EXPECT_EQ(classLimit(6), std::nullopt);
}

struct ClassCase {
    const char* name;
    int weightClass;
    std::optional<double> weight;
    const char* text;
};

class ClassCheck : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ClassCheck, SaysWhichSideOfTheLimit) {
    EXPECT_EQ(classCheckText(GetParam().weightClass, GetParam().weight), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassCheck,
    ::testing::Values(ClassCase{"under", 2, 9.58, "0.42 g under the F1G limit"},
                      ClassCase{"over", 1, 31.1, "1.10 g over the F1B limit"},
                      ClassCase{"exactly", 3, 10, "at the P-30 limit"},
                      ClassCase{"hair_over", 4, 1.504, "less than 0.01 g over the F1M limit"},
                      ClassCase{"hair_under", 5, 0.599, "less than 0.01 g under the F1D limit"},
                      ClassCase{"six_thousandths", 2, 9.994, "0.01 g under the F1G limit"},
                      ClassCase{"no_class", 0, 9.58, ""}, ClassCase{"no_weight", 2, {}, ""}),
    test::CaseName());

TEST(MotorWeightResults, AreTheCalculationPagesResultsWithTheTableConstant) {
    CalcState state;
    state.table = kDefaultCalibration;
    state.turnsConstant = 1; // a Default or calibration on the page does not count here
    const CalcState before = state;
    MotorWeightInputs inputs;
    inputs.strands = 4;
    inputs.weightClass = 2;
    const auto mm = motorWeightResults(state, inputs, 10, 3.44, LengthUnit::Millimetre);
    EXPECT_EQ(mm.turns, "604");
    EXPECT_EQ(mm.torque, "6.11 oz-in (43.2 N·mm)");
    EXPECT_EQ(mm.perStrand, "3.39 g/m");
    EXPECT_EQ(mm.classCheck, "6.56 g under the F1G limit");
    EXPECT_EQ(motorWeightResults(state, inputs, 10, 3.44, LengthUnit::Inch).perStrand,
              "0.0860 g/in");
    inputs.type = TanSport;
    const auto uncalibrated = motorWeightResults(state, inputs, 10, {}, LengthUnit::Inch);
    EXPECT_EQ(uncalibrated.turns, "Undefined");
    EXPECT_EQ(uncalibrated.torque, "Undefined");
    const auto noLength = motorWeightResults(state, inputs, std::nullopt, {}, LengthUnit::Inch);
    EXPECT_EQ(noLength.turns + noLength.torque, "");
    EXPECT_EQ(state.turnsMotor.turns, before.turnsMotor.turns);
    EXPECT_EQ(state.torqueMotor.torque, before.torqueMotor.torque);
}

TEST(Cranks, RoundDownAndNeedARatio) {
    EXPECT_EQ(cranksFor(604, 16), 37);
    EXPECT_EQ(cranksFor(15, 16), 0);
    EXPECT_EQ(cranksFor(32, 16), 2);
    EXPECT_EQ(cranksFor(604, 1), 604);
    EXPECT_EQ(cranksFor(604, 0), std::nullopt);
    EXPECT_EQ(cranksFor(604, -5), std::nullopt);
    EXPECT_EQ(cranksFor(-7, 5), -1); // toward zero: never past the turns
}

// Every row is what the two calculation pages give for that motor at that limit.
TEST(WindingCard, RowsAreThePagesResults) {
    CalcState state;
    state.table = {{107, 95.5, 0}, {2.7, 0, 1.3}};
    state.currentType = TanSuperSport;
    state.turnsConstant = 99;
    state.torqueConstant = 3;
    for (int type = 0; type < kRubberTypeCount; ++type) {
        for (double length : {0.0, 10.0, 23.5, 1e12}) {
            for (bool vorlick : {false, true}) {
                const WindingMotor motor{type, 1, 6, length, vorlick, 15, 4};
                const MotorConstants constants = pageConstants(state, type);
                const WindingCard card = buildWindingCard(state, motor, constants);
                for (const CardRow& row : card.rows) {
                    CalcState page = state;
                    page.currentType = type;
                    page.turnsConstant = constants.turns;
                    page.torqueConstant = constants.torque;
                    const CalcOutcome turns =
                        computeBreakingTurns(page, 0.09375, 6, row.limit, length, vorlick);
                    EXPECT_EQ(row.turns, turns);
                    EXPECT_EQ(row.torque,
                              computeBreakingTorque(page, 0.09375, 6, row.limit, vorlick));
                    if (turns.kind == CalcOutcome::Kind::Value)
                        EXPECT_EQ(row.cranks, static_cast<int>(page.turnsMotor.turns) / 15);
                    else
                        EXPECT_EQ(row.cranks, std::nullopt);
                }
            }
        }
    }
    EXPECT_EQ(pageConstants(state, TanSuperSport).turns, 99);
    EXPECT_EQ(pageConstants(state, TanII).turns, 107);
    EXPECT_EQ(state.turnsMotor.turns, 0) << "the List page's motors are untouched";
}

TEST(WindingCard, TextIsATableWithNewtonMillimetresInMillimetreUnits) {
    CalcState state;
    const WindingCard card = buildWindingCard(state, {TanII, 2, 4, 10, false, 16, 4}, {107, 2.7});
    EXPECT_EQ(card.stretchedLength, 40);
    const std::string text = formatCardText(card, LengthUnit::Millimetre);
    EXPECT_TRUE(text.starts_with("%\tTurns\tCranks\tTorque\tN·mm\n100\t756\t47\t7.64\t54.0\n"))
        << text;
    EXPECT_NE(text.find("\n80\t604\t37\t6.11\t43.2\n"), std::string::npos) << text;
    EXPECT_EQ(formatCardText(card, LengthUnit::Inch).find("N·mm"), std::string::npos);
    const WindingCard empty = buildWindingCard(state, {TanII, 7, 4, 0, false, 0, 4}, {107, 2.7});
    EXPECT_EQ(formatCardRow(empty.rows[0], LengthUnit::Millimetre), "100\t\t\t\t");
    EXPECT_EQ(empty.stretchedLength, std::nullopt);
}

TEST(Preferences, NeverHoldAValueThePagesCannotComputeWith) {
    Preferences p;
    for (double bad : {0.0, -0.042, kInf, kNaN}) {
        EXPECT_FALSE(p.setThickness(bad));
        EXPECT_FALSE(p.setDensity(bad));
        EXPECT_FALSE(p.setStretch(bad));
    }
    EXPECT_FALSE(p.setStretch(6.5));
    EXPECT_FALSE(p.setWinderRatio(0));
    EXPECT_EQ(p.thickness(), 0.042);
    EXPECT_EQ(p.density(), 1.0);
    EXPECT_EQ(p.stretch(), 4);
    EXPECT_EQ(p.winderRatio(), 16);
    EXPECT_TRUE(p.setThickness(0.0625) && p.setDensity(1.05) && p.setStretch(3) &&
                p.setWinderRatio(5));
    EXPECT_EQ(p.stock().thickness, 0.0625);
}

TEST(IsoDate, OnlyDaysThatExist) {
    EXPECT_TRUE(isIsoDate(todayIsoDate()));
    for (const char* good : {"2024-02-29", "2000-02-29", "0001-01-01", "2026-12-31"})
        EXPECT_TRUE(isIsoDate(good)) << good;
    for (const char* bad : {"2023-02-29", "1900-02-29", "2026-13-01", "2026-04-31", "0000-01-01",
                            "2026-1-01", "2026/01/01", "2026-01-01 ", "", "２026-01-01"})
        EXPECT_FALSE(isIsoDate(bad)) << bad;
    EXPECT_EQ(formatIsoDate(987, 3, 4), "0987-03-04");
}

} // namespace
} // namespace kestrune
