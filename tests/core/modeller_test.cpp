// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/breaking_torque.h"
#include "core/breaking_turns.h"
#include "core/iso_date.h"
#include "core/preferences.h"
#include "core/winding_card.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace kestrune {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr auto kMm = LengthUnit::Millimetre;
constexpr auto kIn = LengthUnit::Inch;

TEST(Units, ConvertAndPrintBothWays) {
    for (double inches : {0.042, 1.0, 10.5, 29.058925759396327})
        EXPECT_NEAR(toInches(fromInches(inches, kMm), kMm), inches, inches * 1e-15);
    EXPECT_EQ(formatLength(29.058925759396327, kIn) + formatLength(29.058925759396327, kMm),
              "29.06738.1");
    EXPECT_EQ(formatLength(1e308, kMm), "–") << "a logged Length of 1e308 in millimetres";
    EXPECT_EQ(formatTorque(6.113402589451772, kIn), "6.11 oz-in");
    EXPECT_EQ(formatTorque(6.113402589451772, kMm), "6.11 oz-in (43.2 N·mm)");
    EXPECT_EQ(lengthUnitAt(lengthUnitIndex(kMm)), kMm);
    EXPECT_EQ(formatThickness(0.042, kIn) + " " + formatThickness(0.042, kMm) + " " +
                  formatThickness(1 / 25.4, kMm) + " " + formatDensity(1) + " " +
                  formatDensity(1.05238),
              "0.042 1.0668 1 1.00 1.0524");
    // Never a value above 0 as 0: the digits it needs, as kes-prefs.cfg or a tiny motor give it.
    const std::pair<std::string, const char*> small[] = {
        {formatThickness(0.000001, kIn), "0.000001"}, {formatThickness(0.000001, kMm), "0.0000254"},
        {formatThickness(0.0421234, kIn), "0.04212"}, {formatThickness(1e-30, kIn), "1e-30"},
        {formatDensity(0.00001), "0.00001"},          {formatDensity(0.05), "0.05"},
        {formatGrams(0.0000372), "0.00004"},          {formatGrams(0.006), "0.01"},
        {formatLength(0.004, kIn), "0.004"},          {formatLength(0.004, kMm), "0.1"}};
    for (const auto& [shown, expected] : small)
        EXPECT_EQ(shown, expected);
    EXPECT_EQ(formatPerStrand({0.000001, 1}, 0.125, kIn), "0.000002 g/in");
    const struct {
        double inches;
        LengthUnit unit;
        const char* text;
    } inputs[] = {{10, kIn, "10"},
                  {10, kMm, "254"},
                  {10.5, kIn, "10.5"},
                  {29.058925759396327, kIn, "29.06"},
                  {1 / 3.0, kMm, "8.5"}};
    for (const auto& c : inputs)
        EXPECT_EQ(formatLengthInput(c.inches, c.unit), c.text) << c.inches;
}

// Weights and their lengths back; bad input, or a result too large for a double, gives none.
TEST(MotorWeight, GivesAFiniteWeightAndItsLengthBackOrNothing) {
    const RubberStock thick{0.0625, 1.05};
    EXPECT_NEAR(*motorWeight({}, 0.125, 4, 10), 3.44128344, 1e-15);
    EXPECT_NEAR(*motorWeight(thick, 0.25, 2, 1), 0.5377005375, 1e-15);
    EXPECT_NEAR(*motorLength(thick, 0.25, 2, *motorWeight(thick, 0.25, 2, 1)), 1, 1e-15);
    EXPECT_EQ(formatLength(*motorLength({}, 0.125, 4, *classLimit(2)), kIn), "29.06");
    for (double bad : {0.0, -1.0, kInf, kNaN}) {
        for (const RubberStock& stock : {RubberStock{bad, 1}, RubberStock{0.042, bad}})
            EXPECT_EQ(motorWeight(stock, 0.125, 4, 10), std::nullopt) << bad;
        EXPECT_EQ(motorWeight({}, 0.125, 4, bad), std::nullopt) << bad;
        EXPECT_EQ(motorLength({}, 0.125, 4, bad), std::nullopt) << bad;
    }
    EXPECT_EQ(motorWeight({0.042, 1e308}, 0.125, 4, 10), std::nullopt);
    EXPECT_EQ(motorLength({}, 0.125, 4, 1e308), std::nullopt);
    EXPECT_EQ(motorWeight({}, 0.125, 4, 1e308), std::nullopt) << "finite, but no motor";
    EXPECT_EQ(motorLength({0.042, 1e308}, 0.125, 4, 30), std::nullopt) << "positive, but no motor";
    EXPECT_FALSE(classLimit(0) || classLimit(6));
}

TEST(ClassCheck, SaysWhichSideOfTheLimit) {
    const struct {
        int weightClass;
        std::optional<double> weight;
        std::string text;
    } cases[] = {{2, 9.58, "0.42 g under the F1G limit"},
                 {1, 31.1, "1.10 g over the F1B limit"},
                 {3, 10, "at the P-30 limit"},
                 {4, 1.504, "less than 0.01 g over the F1M limit"},
                 {5, 0.599, "less than 0.01 g under the F1D limit"},
                 {2, 9.994, "0.01 g under the F1G limit"},
                 {0, 9.58, ""},
                 {2, {}, ""},
                 {1, 1e308, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(classCheckText(c.weightClass, c.weight), c.text);
}

TEST(MotorWeightResults, AreTheCalculationPagesResultsWithTheTableConstant) {
    CalcState state;
    state.table = kDefaultCalibration;
    state.turnsConstant = 1; // a Default or calibration on the page does not count here
    MotorWeightInputs inputs;
    inputs.strands = 4;
    inputs.weightClass = 2;
    const auto mm = motorWeightResults(state, inputs, 10, 3.44, kMm);
    EXPECT_EQ(mm.turns + " | " + mm.torque + " | " + mm.perStrand + " | " + mm.classCheck,
              "604 | 6.11 oz-in (43.2 N·mm) | 3.39 g/m | 6.56 g under the F1G limit");
    EXPECT_EQ(motorWeightResults(state, inputs, 10, 3.44, kIn).perStrand, "0.0860 g/in");
    inputs.type = TanSport;
    const auto uncalibrated = motorWeightResults(state, inputs, 10, {}, kIn);
    EXPECT_EQ(uncalibrated.turns + uncalibrated.torque, "UndefinedUndefined");
    const auto noLength = motorWeightResults(state, inputs, std::nullopt, {}, kIn);
    EXPECT_EQ(noLength.turns + noLength.torque, "");
    EXPECT_EQ(state.turnsMotor.turns + state.torqueMotor.torque, 0) << "List page motors kept";
}

TEST(Cranks, RoundTowardZeroAndNeedARatio) {
    const struct {
        int turns, ratio;
        std::optional<int> cranks;
    } cases[] = {{604, 16, 37}, {15, 16, 0},   {32, 16, 2}, {604, 1, 604},
                 {604, 0, {}},  {604, -5, {}}, {-7, 5, -1}}; // never past the turns
    for (const auto& c : cases)
        EXPECT_EQ(cranksFor(c.turns, c.ratio), c.cranks) << c.turns << " / " << c.ratio;
}

// Every row is what the two calculation pages give for that motor at that limit.
TEST(WindingCard, RowsAreThePagesResults) {
    CalcState state;
    state.table = {{107, 95.5, 0}, {2.7, 0, 1.3}};
    state.currentType = TanSuperSport;
    state.turnsConstant = 99;
    state.torqueConstant = 3;
    // A page's own constant counts for the type it took it for, otherwise the table's: the
    // Breaking Torque page not opened yet, or the type changed on the other page since.
    const struct {
        int turnsType, torqueType, type;
        double turns, torque;
    } taken[] = {{TanSuperSport, TanSuperSport, TanSuperSport, 99, 3},
                 {TanSuperSport, -1, TanSuperSport, 99, 0},
                 {TanII, TanSuperSport, TanSuperSport, 95.5, 3},
                 {TanSuperSport, TanSuperSport, TanII, 107, 2.7}};
    for (const auto& c : taken) {
        state.turnsConstantType = c.turnsType;
        state.torqueConstantType = c.torqueType;
        const MotorConstants k = pageConstants(state, c.type);
        EXPECT_EQ(std::pair(k.turns, k.torque), std::pair(c.turns, c.torque)) << c.torqueType;
    }
    for (int type = 0; type < kRubberTypeCount; ++type) {
        for (double length : {0.0, 10.0, 23.5, 1e9}) {
            for (bool vorlick : {false, true}) {
                const MotorConstants constants = pageConstants(state, type);
                const WindingCard card =
                    buildWindingCard(state, {type, 1, 6, length, vorlick, 15, 4}, constants);
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
                    EXPECT_EQ(row.cranks,
                              turns.kind == CalcOutcome::Kind::Value
                                  ? std::optional(static_cast<int>(page.turnsMotor.turns) / 15)
                                  : std::nullopt);
                }
            }
        }
    }
    EXPECT_EQ(state.turnsMotor.turns, 0) << "the List page's motors are untouched";
}

TEST(WindingCard, TextIsATableWithNewtonMillimetresInMillimetreUnits) {
    const WindingCard card = buildWindingCard({}, {TanII, 2, 4, 10, false, 16, 4}, {107, 2.7});
    EXPECT_EQ(card.stretchedLength, 40);
    const std::string text = formatCardText(card, kMm);
    EXPECT_TRUE(
        text.starts_with("%\tTurns\tCranks\tBreaking torque\tN·mm\n100\t756\t47\t7.64\t54.0\n"));
    EXPECT_NE(text.find("\n80\t604\t37\t6.11\t43.2\n"), std::string::npos) << text;
    EXPECT_EQ(formatCardText(card, kIn).find("N·mm"), std::string::npos);
    const WindingCard empty = buildWindingCard({}, {TanII, 7, 4, 0, false, 0, 4}, {107, 2.7});
    EXPECT_EQ(formatCardRow(empty.rows[0], kMm), "100\t\t\t\t");
    EXPECT_EQ(empty.stretchedLength, std::nullopt);
}

TEST(WindingCard, ALengthNotAbove0OrTooLargeGivesNoTurnsAndNoStretchedLength) {
    for (double bad : {-5.0, -kInf, kNaN, kInf, 1e308, 1e10}) {
        const WindingCard card = buildWindingCard({}, {TanII, 2, 4, bad, false, 16, 4}, {107, 2.7});
        EXPECT_EQ(card.rows[0].turns.kind, CalcOutcome::Kind::NoResult) << bad;
        EXPECT_FALSE(card.stretchedLength || card.rows[0].cranks) << bad;
        EXPECT_EQ(card.rows[4].torque.text, "6.11") << "torque needs no length";
    }
}

// The Winding page takes the Breaking Turns page's motor, but not what no list of its own holds.
TEST(WindingCard, TakesTheTurnsPageMotor) {
    const WindingMotor own{TanSport, 0, 10, 7, false, 5, 3.5};
    const struct {
        TurnsMotor turns;
        WindingMotor taken;
    } cases[] = {
        {{TanSuperSport, 0.1875, 6, 12, 80, 0, true}, {TanSuperSport, 3, 6, 12, true, 5, 3.5}},
        {{TanII, 0.125, 36, 0, 95, 0, false}, {TanII, 2, 36, 7, false, 5, 3.5}}, // empty Length
        {{-1, 0, 0, 2.5, 80, 0, true}, {TanSport, 0, 10, 2.5, true, 5, 3.5}},    // nothing chosen
        {{7, 0.2, 5, -1, 80, 0, false}, {TanSport, 0, 10, 7, false, 5, 3.5}},
        {{TanII, 0.125, 4, kInf, 80, 0, false}, {TanII, 2, 4, 7, false, 5, 3.5}}, // 310 nines
    };
    for (const auto& c : cases)
        EXPECT_TRUE(withTurnsMotor(own, c.turns) == c.taken) << c.turns.type;
    TurnsMotor other = cases[0].turns;
    other.limit = 50;
    EXPECT_TRUE(sameMotorToWind(cases[0].turns, other)) << "the card has every limit";
    other.useVorlick = false;
    EXPECT_FALSE(sameMotorToWind(cases[0].turns, other));
}

TEST(WindingCard, PrintedCardNamesTheMotorTheConstantsAndTheWinder) {
    const WindingMotor standard{TanII, 2, 4, 10, false, 16, 4};
    const WindingMotor vorlick{TanSuperSport, 3, 6, 0, true, 0, 3.5};
    const auto lines = [](const WindingMotor& m, MotorConstants k, LengthUnit unit) {
        std::string text;
        for (const std::string& line : describeWindingCard(m, k, buildWindingCard({}, m, k), unit))
            text += line + "\n";
        return text;
    };
    EXPECT_EQ(lines(standard, {107, 2.7}, kMm),
              "Motor: Tan II, 4 strands of 1/8\" strip, 254.0 mm long\n"
              "Standard formula: turns constant 107.0, torque constant 2.700\n"
              "Winder ratio 16:1, cranks rounded down\nStretch 4 times: wind at 1016.0 mm\n"
              "Torque in oz-in and N·mm\n");
    EXPECT_EQ(lines(vorlick, {0, 0}, kIn),
              "Motor: Tan Super Sport, 6 strands of 3/16\" strip, no length\n"
              "Vorlick formula, which needs no constants\nWinder ratio not given, no cranks\n"
              "Stretch 3.5 times\nTorque in oz-in\n");
    EXPECT_NE(lines(standard, {113.24, 0.0042}, kIn)
                  .find("Standard formula: turns constant 113.2, torque constant 0.004\n"),
              std::string::npos)
        << "as the Batch Log shows them";
    EXPECT_NE(lines({TanII, 2, 4, 1e308, false, 16, 4}, {107, 2.7}, kMm).find(", no length\n"),
              std::string::npos)
        << "308 nines, no inf mm";
    EXPECT_NE(lines({TanSport, 2, 4, 10, false, 16, 4}, {0, 0}, kIn)
                  .find("turns constant not calibrated, torque constant not calibrated"),
              std::string::npos);
}

TEST(Preferences, NeverHoldAValueThePagesCannotComputeWith) {
    Preferences p;
    for (double bad : {0.0, -0.042, kInf, kNaN, 1e308})
        EXPECT_FALSE(p.setThickness(bad) || p.setDensity(bad) || p.setStretch(bad)) << bad;
    EXPECT_FALSE(p.setStretch(6.5) || p.setWinderRatio(0));
    EXPECT_EQ(std::tuple(p.thickness(), p.density(), p.stretch(), p.winderRatio()),
              std::tuple(0.042, 1.0, 4.0, 16));
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
