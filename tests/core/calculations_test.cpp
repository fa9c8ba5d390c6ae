// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/breaking_torque.h"
#include "core/breaking_turns.h"
#include "tests/support/case_name.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace kestrune {
namespace {

using test::PrintTo;

using Kind = CalcOutcome::Kind;

CalcState stateWith(int type, double turnsConstant, double torqueConstant) {
    CalcState state;
    state.currentType = type;
    state.turnsConstant = turnsConstant;
    state.torqueConstant = torqueConstant;
    return state;
}

struct TurnsCase {
    const char* name;
    double constant, width, strands, length, limit;
    bool vorlick;
    Kind kind;
    const char* text;
};

class BreakingTurns : public ::testing::TestWithParam<TurnsCase> {};

TEST_P(BreakingTurns, ShowsTheTruncatedCount) {
    const TurnsCase& c = GetParam();
    CalcState state = stateWith(TanII, c.constant, 0);
    const CalcOutcome outcome =
        computeBreakingTurns(state, c.width, c.strands, c.limit, c.length, c.vorlick);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.text, c.text);
}

const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, BreakingTurns,
    ::testing::Values(
        TurnsCase{"four_strands_truncates_before_limit", 107, 0.125, 4, 10, 80, false, Kind::Value,
                  "604"},
        TurnsCase{"reference_section_uses_constant", 107, 0.125, 2, 10, 80, false, Kind::Value,
                  "856"},
        TurnsCase{"thin_section_second_form", 107, 0.0625, 2, 10, 80, false, Kind::Value, "1210"},
        TurnsCase{"wide_section_first_form", 107, 0.25, 16, 20, 90, false, Kind::Value, "481"},
        TurnsCase{"start_page_shows_60", 107, 0.125, 4, 1, 80, false, Kind::Value, "60"},
        TurnsCase{"vorlick_ignores_constant", 107, 0.125, 4, 10, 80, true, Kind::Value, "600"},
        TurnsCase{"vorlick_with_uncalibrated_type", 0, 0.125, 4, 10, 80, true, Kind::Value, "600"},
        TurnsCase{"vorlick_wide_motor", 0, 0.25, 8, 12, 60, true, Kind::Value, "355"},
        TurnsCase{"uncalibrated_is_undefined", 0, 0.125, 4, 10, 80, false, Kind::Undefined,
                  "Undefined"},
        TurnsCase{"empty_length_shows_nothing", 107, 0.125, 4, 0, 80, false, Kind::NoResult, ""}),
    test::CaseName());

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, BreakingTurns,
    ::testing::Values(
        TurnsCase{"four_strands_of_sixteenth_is_reference", 107, 0.0625, 4, 10, 100, false,
                  Kind::Value, "1070"},
        TurnsCase{"limit_70_multiplies_by_hundredth", 90, 0.125, 2, 1, 70, false, Kind::Value,
                  "63"},
        TurnsCase{"limit_100_keeps_raw_count", 107, 0.125, 4, 10, 100, false, Kind::Value, "756"},
        TurnsCase{"uncalibrated_with_empty_length_is_undefined", 0, 0.125, 4, 0, 80, false,
                  Kind::Undefined, "Undefined"},
        TurnsCase{"below_one_turn_shows_zero", 0.001, 0.125, 4, 10, 80, false, Kind::Value, "0"},
        TurnsCase{"negative_constant_negative_turns", -107, 0.125, 4, 10, 80, false, Kind::Value,
                  "-604"},
        TurnsCase{"largest_count_fits", 2147483647, 0.125, 2, 1, 100, false, Kind::Value,
                  "2147483647"},
        TurnsCase{"smallest_count_fits", -2147483648.0, 0.125, 2, 1, 100, false, Kind::Value,
                  "-2147483648"},
        TurnsCase{"count_beyond_int_is_undefined", 2147483648.0, 0.125, 2, 1, 100, false,
                  Kind::Undefined, "Undefined"},
        TurnsCase{"huge_length_is_undefined", 107, 0.125, 4, 1e300, 80, false, Kind::Undefined,
                  "Undefined"},
        TurnsCase{"infinite_length_is_undefined", 107, 0.125, 4, kInf, 80, false, Kind::Undefined,
                  "Undefined"},
        TurnsCase{"huge_constant_is_undefined", 1e300, 0.125, 4, 10, 80, false, Kind::Undefined,
                  "Undefined"},
        TurnsCase{"huge_negative_constant_is_undefined", -1e300, 0.125, 4, 10, 80, false,
                  Kind::Undefined, "Undefined"},
        TurnsCase{"vorlick_huge_length_is_undefined", 0, 0.125, 4, 1e12, 80, true, Kind::Undefined,
                  "Undefined"}),
    test::CaseName());

TEST(BreakingTurnsRecord, StoresInputsAndResult) {
    CalcState state = stateWith(TanSport, 107, 0);
    computeBreakingTurns(state, 0.1875, 6, 85, 24, false);
    const TurnsMotor& m = state.turnsMotor;
    EXPECT_EQ(m.type, TanSport);
    EXPECT_EQ(m.width, 0.1875);
    EXPECT_EQ(m.strands, 6);
    EXPECT_EQ(m.limit, 85);
    EXPECT_EQ(m.length, 24);
    // 107 / sqrt(4.5) = 50.44 per inch; 24 inches -> 1210; * 0.85 -> 1028
    EXPECT_EQ(m.turns, 1028);
    computeBreakingTurns(state, 0.1875, 6, 85, 0, true);
    EXPECT_TRUE(m.useVorlick) << "the formula is recorded also when there is no length";
}

TEST(BreakingTurnsRecord, EmptyLengthKeepsThePreviousTurns) {
    CalcState state = stateWith(TanII, 107, 0);
    computeBreakingTurns(state, 0.125, 4, 80, 10, false);
    ASSERT_EQ(state.turnsMotor.turns, 604);
    computeBreakingTurns(state, 0.25, 8, 60, 0, false);
    EXPECT_EQ(state.turnsMotor.turns, 604);
    EXPECT_EQ(state.turnsMotor.length, 0);
    EXPECT_EQ(state.turnsMotor.width, 0.25);
}

TEST(BreakingTurnsRecord, UndefinedStoresZeroTurns) {
    CalcState state = stateWith(TanII, 107, 0);
    computeBreakingTurns(state, 0.125, 4, 80, 10, false);
    state.turnsConstant = 0;
    computeBreakingTurns(state, 0.125, 4, 80, 10, false);
    EXPECT_EQ(state.turnsMotor.turns, 0);
    state.turnsConstant = 1e300;
    computeBreakingTurns(state, 0.125, 4, 80, 10, false);
    EXPECT_EQ(state.turnsMotor.turns, 0) << "an out-of-range count records no turns";
}

TEST(BreakingTurnsRecord, LabelsTheMotorWithAnyCurrentType) {
    CalcState state = stateWith(-1, 107, 0);
    EXPECT_EQ(computeBreakingTurns(state, 0.125, 4, 80, 10, false).text, "604");
    EXPECT_EQ(state.turnsMotor.type, -1);
}

struct TorqueCase {
    const char* name;
    double constant, width, strands, limit;
    bool vorlick;
    Kind kind;
    const char* text;
    double stored;
};

class BreakingTorque : public ::testing::TestWithParam<TorqueCase> {};

TEST_P(BreakingTorque, ShowsTwoDecimalsAndStoresTheUnroundedTorque) {
    const TorqueCase& c = GetParam();
    CalcState state = stateWith(TanII, 0, c.constant);
    const CalcOutcome outcome =
        computeBreakingTorque(state, c.width, c.strands, c.limit, c.vorlick);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.text, c.text);
    EXPECT_NEAR(state.torqueMotor.torque, c.stored, 1e-5); // the stored values are leading digits
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, BreakingTorque,
    ::testing::Values(
        TorqueCase{"four_strands", 2.7, 0.125, 4, 80, false, Kind::Value, "6.11", 6.11340},
        TorqueCase{"reference_section_adds_offset", 2.7, 0.125, 2, 80, false, Kind::Value, "2.16",
                   2.164},
        TorqueCase{"thin_section", 2.7, 0.0625, 2, 100, false, Kind::Value, "0.96", 0.95959},
        TorqueCase{"wide_section", 2.7, 0.25, 16, 90, false, Kind::Value, "155.52", 155.5245},
        TorqueCase{"vorlick_with_calibrated_type_adds_offset", 2.7, 0.125, 4, 80, true, Kind::Value,
                   "5.83", 5.82960},
        TorqueCase{"vorlick_with_uncalibrated_type", 0, 0.125, 4, 80, true, Kind::Value, "5.83",
                   5.82560},
        TorqueCase{"vorlick_wide_motor", 0, 0.25, 8, 60, true, Kind::Value, "17.98", 17.98309},
        TorqueCase{"uncalibrated_is_undefined", 0, 0.125, 4, 80, false, Kind::Undefined,
                   "Undefined", 0}),
    test::CaseName());

INSTANTIATE_TEST_SUITE_P(EdgeCases, BreakingTorque,
                         ::testing::Values(TorqueCase{"limit_100_shows_offset_torque", 2.7, 0.125,
                                                      2, 100, false, Kind::Value, "2.71", 2.705},
                                           TorqueCase{"negative_constant_keeps_sign", -2.7, 0.125,
                                                      2, 100, false, Kind::Value, "-2.70", -2.695},
                                           TorqueCase{"infinite_torque_is_undefined", 1e308, 0.25,
                                                      36, 100, false, Kind::Undefined, "Undefined",
                                                      0}),
                         test::CaseName());

TEST(BreakingTorqueRecord, StoresInputsAndType) {
    CalcState state = stateWith(TanSuperSport, 0, 0);
    computeBreakingTorque(state, 0.09375, 12, 55, true);
    const TorqueMotor& m = state.torqueMotor;
    EXPECT_EQ(m.type, TanSuperSport);
    EXPECT_EQ(m.width, 0.09375);
    EXPECT_EQ(m.strands, 12);
    EXPECT_EQ(m.limit, 55);
    EXPECT_GT(m.torque, 0);
}

TEST(BreakingTorqueRecord, UndefinedStoresZero) {
    CalcState state = stateWith(TanII, 0, 2.7);
    computeBreakingTorque(state, 0.125, 4, 80, false);
    ASSERT_GT(state.torqueMotor.torque, 0);
    state.torqueConstant = 0;
    EXPECT_EQ(computeBreakingTorque(state, 0.125, 4, 80, false).text, "Undefined");
    EXPECT_EQ(state.torqueMotor.torque, 0);
}

// Exactness: the branch at d = 0.25 is the second one, and it gives the constant back unscaled.
TEST(ReferenceSection, GivesTheConstantExactly) {
    for (double constant : {107.0, 0.1, 3.3, 1e-5}) {
        CalcState state = stateWith(TanII, constant, constant);
        computeBreakingTurns(state, 0.125, 2, 100, 1, false);
        EXPECT_EQ(state.turnsMotor.turns, std::trunc(constant));
        computeBreakingTorque(state, 0.0625, 4, 100, false);
        EXPECT_EQ(state.torqueMotor.torque, constant + 0.005);
    }
}

} // namespace
} // namespace kestrune
