// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Breaking Turns and Breaking Torque pages' rules, as the user meets them, on one state.

#include "models/calc_page_model.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace kestrune {
namespace {

// Compute: 4 strands of 1/8 at 80 % of the length; Compute16: 16 strands of 1/4 at 90 %.
enum class Act { Start, Compute, Compute16, ChooseType, Default, Leave, ShowAgain };

struct Step {
    Quantity page;
    Act act;
    int type; // ChooseType and Default
    const char* length;
    bool vorlick;
    std::optional<std::string> line; // Compute: the line put on top; ShowAgain: "again" or none
    double constant;                 // the page's constant afterwards
};

constexpr Quantity kTurns = Quantity::Turns, kTorque = Quantity::Torque;

// kes.cfg holds 120 for Tan II and 3.00 oz-in for its torque, 90 and 1.50 for Tan Sport.
const Step kSteps[] = {
    {kTurns, Act::Start, 0, "", false, {}, 120}, // the turns page starts with Tan II's constant
    {kTurns, Act::Compute, 0, "1", false, "67", 120},
    {kTurns, Act::Compute, 0, "", false, {}, 120}, // an empty length shows nothing
    {kTurns, Act::Compute16, 0, "20", false, "540", 120},
    {kTurns, Act::Default, TanII, "", false, {}, 107}, // the page's constant, not the table's
    {kTurns, Act::Compute, 0, "1", false, "60", 107},
    {kTurns, Act::ChooseType, TanSuperSport, "", false, {}, 0},
    {kTurns, Act::Compute, 0, "12", false, "Undefined", 0},
    {kTurns, Act::Compute, 0, "1", true, "60", 0},        // Vorlick: 75 an inch, 80 %
    {kTurns, Act::ChooseType, TanII, "", false, {}, 120}, // the table's constant again
    {kTurns, Act::ChooseType, TanSport, "", false, {}, 90},
    {kTurns, Act::Leave, 0, "", false, {}, 90},
    {kTorque, Act::Start, 0, "", false, {}, 1.5}, // first shown: the type the list shows
    {kTorque, Act::Compute, 0, "", false, "3.40", 1.5},
    {kTorque, Act::Compute, 0, "", true, "5.83", 1.5}, // Vorlick needs no constant
    {kTorque, Act::ChooseType, TanII, "", false, {}, 3},
    {kTorque, Act::Default, TanII, "", false, {}, 2.7},
    {kTorque, Act::Compute, 0, "", false, "6.11", 2.7},
    {kTorque, Act::Leave, 0, "", false, {}, 2.7},
    {kTurns, Act::ShowAgain, 0, "", false, "again", 120}, // takes Tan II, chosen on Torque
    {kTurns, Act::Leave, 0, "", false, {}, 120},
    {kTorque, Act::ShowAgain, 0, "", false, {}, 2.7}, // same type: the default stays
};

TEST(CalcPageModel, EachPageComputesWithTheConstantOfTheTypeItShows) {
    CalcState state;
    state.table = {{120, 0, 90}, {3.0, 0, 1.5}};
    CalcPageModel turns(state, Quantity::Turns), torque(state, Quantity::Torque);
    for (const Step& step : kSteps) {
        const auto i = &step - kSteps;
        CalcPageModel& page = step.page == Quantity::Turns ? turns : torque;
        std::optional<std::string> line;
        switch (step.act) {
        case Act::Start:
            page.start();
            break;
        case Act::Compute:
            line = page.recompute({2, 1, 4, step.length, step.vorlick});
            break;
        case Act::Compute16:
            line = page.recompute({4, 7, 2, step.length, step.vorlick});
            break;
        case Act::ChooseType:
            page.chooseType(step.type);
            break;
        case Act::Default:
            page.useDefault(step.type);
            break;
        case Act::Leave:
            page.left();
            break;
        case Act::ShowAgain:
            if (page.shownAgain())
                line = "again";
            break;
        }
        EXPECT_EQ(line, step.line) << "step " << i;
        EXPECT_EQ(step.page == Quantity::Turns ? state.turnsConstant : state.torqueConstant,
                  step.constant)
            << "step " << i;
        EXPECT_EQ(page.shownType(), state.currentType) << "step " << i;
    }
    EXPECT_EQ(state.table.turns[TanII], 120) << "Default leaves the table alone";
    EXPECT_EQ(state.table.torque[TanII], 3.0);
}

// The motor of the last calculation is what the List page shows.
TEST(CalcPageModel, StoresTheMotorComputed) {
    CalcState state;
    state.table = kDefaultCalibration;
    CalcPageModel turns(state, Quantity::Turns);
    turns.start();
    EXPECT_EQ(turns.recompute({4, 7, 2, "20", false}), "481");
    const TurnsMotor& m = state.turnsMotor;
    EXPECT_EQ((std::vector<double>{m.width, m.strands, m.limit, m.length, m.turns}),
              (std::vector<double>{0.25, 16, 90, 20, 481}));
    EXPECT_EQ(turns.recompute({2, 1, 4, "", false}), std::nullopt);
    EXPECT_EQ(state.turnsMotor.length, 0) << "an empty length is recorded";
    EXPECT_EQ(state.turnsMotor.turns, 481) << "the previous turns stay recorded";
}

} // namespace
} // namespace kestrune
