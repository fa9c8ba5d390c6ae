// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "list/motor_rows.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace kestrune {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <typename Case> std::string caseName(const testing::TestParamInfo<Case>& tested) {
    return tested.param.name;
}

struct TurnsCase {
    const char* name;
    TurnsMotor motor;
    std::string row;
    std::array<std::string, kTurnsSummaryLines> summary;
};

void PrintTo(const TurnsCase& tested, std::ostream* out) {
    *out << tested.name;
}

class TurnsTexts : public testing::TestWithParam<TurnsCase> {};

TEST_P(TurnsTexts, RowAndSummaryReadAsWritten) {
    EXPECT_EQ(formatTurnsRow(GetParam().motor), GetParam().row);
    EXPECT_EQ(formatTurnsSummary(GetParam().motor), GetParam().summary);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TurnsTexts,
    testing::Values(
        TurnsCase{
            "TanSS_3_32_without_turns_is_undefined",
            {.type = 1, .width = 0.09375, .strands = 8, .length = 24, .limit = 90, .turns = 0},
            "TanSS\t3/32\"\t8\t24\"\t90%\t??\tNA",
            {"Type\tTanSS", "Width\t3/32\"", "Strands\t8", "Length\t24\"", "Limit\t90%",
             "Turns\tUndefined"}},
        TurnsCase{
            "TanII_1_8_with_646_turns",
            {.type = 0, .width = 0.125, .strands = 14, .length = 20, .limit = 80, .turns = 646},
            "TanII\t1/8\"\t14\t20\"\t80%\t646\tNA",
            {"Type\tTanII", "Width\t1/8\"", "Strands\t14", "Length\t20\"", "Limit\t80%",
             "Turns\t646"}},
        TurnsCase{
            "width_3_16_truncates_to_code_187_and_negative_turns_are_undefined",
            {.type = 2, .width = 0.1875, .strands = 36, .length = 12, .limit = 50, .turns = -3},
            "TanS\t3/16\"\t36\t12\"\t50%\t??\tNA",
            {"Type\tTanS", "Width\t3/16\"", "Strands\t36", "Length\t12\"", "Limit\t50%",
             "Turns\tUndefined"}},
        TurnsCase{
            "unknown_width_and_type_leave_columns_empty_and_nan_turns_are_undefined",
            {.type = 3, .width = 0.2, .strands = 2, .length = 1, .limit = 100, .turns = kNaN},
            "\t\t2\t1\"\t100%\t??\tNA",
            {"Type\t", "Width\t", "Strands\t2", "Length\t1\"", "Limit\t100%", "Turns\tUndefined"}},
        TurnsCase{
            "absurd_width_and_length_format_whole",
            {.type = -1, .width = 1e300, .strands = 4, .length = 1e20, .limit = 95, .turns = 1e17},
            "\t\t4\t100000000000000000000\"\t95%\t100000000000000000\tNA",
            {"Type\t", "Width\t", "Strands\t4", "Length\t100000000000000000000\"", "Limit\t95%",
             "Turns\t100000000000000000"}},
        TurnsCase{
            "length_of_310_nines_is_no_number",
            {.type = 0, .width = 0.125, .strands = 4, .length = HUGE_VAL, .limit = 80, .turns = 0},
            "TanII\t1/8\"\t4\t–\"\t80%\t??\tNA",
            {"Type\tTanII", "Width\t1/8\"", "Strands\t4", "Length\t–\"", "Limit\t80%",
             "Turns\tUndefined"}}),
    caseName<TurnsCase>);

struct TorqueCase {
    const char* name;
    TorqueMotor motor;
    std::string row;
    std::array<std::string, kTorqueSummaryLines> summary;
};

void PrintTo(const TorqueCase& tested, std::ostream* out) {
    *out << tested.name;
}

class TorqueTexts : public testing::TestWithParam<TorqueCase> {};

TEST_P(TorqueTexts, RowAndSummaryReadAsWritten) {
    EXPECT_EQ(formatTorqueRow(GetParam().motor), GetParam().row);
    EXPECT_EQ(formatTorqueSummary(GetParam().motor), GetParam().summary);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TorqueTexts,
    testing::Values(
        TorqueCase{"TanII_1_4_rounds_to_hundredths_with_unit_in_row_only",
                   {.type = 0, .width = 0.25, .strands = 12, .limit = 80, .torque = 15.037},
                   "TanII\t1/4\"\t12\tNA\t80%\tNA\t15.04oz/in",
                   {"Type\tTanII", "Width\t1/4\"", "Strands\t12", "Limit\t80%", "Torque\t15.04"}},
        TorqueCase{
            "start_values_before_the_torque_page_was_shown",
            TorqueMotor{},
            "TanII\t1/8\"\t2\tNA\t100%\tNA\t??",
            {"Type\tTanII", "Width\t1/8\"", "Strands\t2", "Limit\t100%", "Torque\tUndefined"}},
        TorqueCase{
            "width_1_16_and_negative_torque_is_undefined_without_unit",
            {.type = 1, .width = 0.0625, .strands = 10, .limit = 70, .torque = -0.5},
            "TanSS\t1/16\"\t10\tNA\t70%\tNA\t??",
            {"Type\tTanSS", "Width\t1/16\"", "Strands\t10", "Limit\t70%", "Torque\tUndefined"}},
        TorqueCase{"nan_torque_and_nan_width_match_nothing",
                   {.type = 2, .width = kNaN, .strands = 2, .limit = 60, .torque = kNaN},
                   "TanS\t\t2\tNA\t60%\tNA\t??",
                   {"Type\tTanS", "Width\t", "Strands\t2", "Limit\t60%", "Torque\tUndefined"}},
        TorqueCase{"tiny_positive_torque_counts_as_defined",
                   {.type = 0, .width = 0.09375, .strands = 2, .limit = 100, .torque = 0.001},
                   "TanII\t3/32\"\t2\tNA\t100%\tNA\t0.00oz/in",
                   {"Type\tTanII", "Width\t3/32\"", "Strands\t2", "Limit\t100%", "Torque\t0.00"}}),
    caseName<TorqueCase>);

} // namespace
} // namespace kestrune
