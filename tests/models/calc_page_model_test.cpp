// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Breaking Turns and Breaking Torque pages' rules, as the user meets them, on one state.

#include "models/calc_page_model.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace kestrune {
namespace {

enum class Act { Start, Compute, ChooseType, Default, Leave, ShowAgain };

struct Step {
    const char* what;
    Quantity page;
    Act act;
    int type;  // ChooseType and Default
    int width; // the lists' indices for Compute
    int strands;
    int limit;
    const char* length;
    bool vorlick;
    std::optional<std::string> line; // Compute: the line put on top; ShowAgain: "again" or none
    double constant;                 // the page's constant afterwards
};

constexpr int k18 = 2, k4 = 1, k80 = 4;

// kes.cfg holds 120 for Tan II and 3.00 oz-in for its torque, 90 and 1.50 for Tan Sport.
const Step kSteps[] = {
    {"the turns page starts with Tan II's table constant",
     Quantity::Turns,
     Act::Start,
     0,
     0,
     0,
     0,
     "",
     false,
     {},
     120},
    {"a 1-inch motor", Quantity::Turns, Act::Compute, 0, k18, k4, k80, "1", false, "67", 120},
    {"an empty length shows nothing",
     Quantity::Turns,
     Act::Compute,
     0,
     k18,
     k4,
     k80,
     "",
     false,
     {},
     120},
    {"16 strands of 1/4 at 90 %, 20 inches", Quantity::Turns, Act::Compute, 0, 4, 7, 2, "20", false,
     "540", 120},
    {"Default gives the page the default, not the table",
     Quantity::Turns,
     Act::Default,
     TanII,
     0,
     0,
     0,
     "",
     false,
     {},
     107},
    {"computed with the default", Quantity::Turns, Act::Compute, 0, k18, k4, k80, "1", false, "60",
     107},
    {"an uncalibrated type is undefined",
     Quantity::Turns,
     Act::ChooseType,
     TanSuperSport,
     0,
     0,
     0,
     "",
     false,
     {},
     0},
    {"Tan Super Sport", Quantity::Turns, Act::Compute, 0, k18, k4, k80, "12", false, "Undefined",
     0},
    {"unless Vorlick: 75 a inch, 80 %", Quantity::Turns, Act::Compute, 0, k18, k4, k80, "1", true,
     "60", 0},
    {"choosing Tan II brings the table back",
     Quantity::Turns,
     Act::ChooseType,
     TanII,
     0,
     0,
     0,
     "",
     false,
     {},
     120},
    {"then Tan Sport", Quantity::Turns, Act::ChooseType, TanSport, 0, 0, 0, "", false, {}, 90},
    {"the turns page is left", Quantity::Turns, Act::Leave, 0, 0, 0, 0, "", false, {}, 90},
    {"the torque page first shown takes the type shown",
     Quantity::Torque,
     Act::Start,
     0,
     0,
     0,
     0,
     "",
     false,
     {},
     1.5},
    {"its torque", Quantity::Torque, Act::Compute, 0, k18, k4, k80, "", false, "3.40", 1.5},
    {"Vorlick needs no constant", Quantity::Torque, Act::Compute, 0, k18, k4, k80, "", true, "5.83",
     1.5},
    {"Tan II chosen there", Quantity::Torque, Act::ChooseType, TanII, 0, 0, 0, "", false, {}, 3},
    {"Defaults", Quantity::Torque, Act::Default, TanII, 0, 0, 0, "", false, {}, 2.7},
    {"the default torque", Quantity::Torque, Act::Compute, 0, k18, k4, k80, "", false, "6.11", 2.7},
    {"the torque page is left", Quantity::Torque, Act::Leave, 0, 0, 0, 0, "", false, {}, 2.7},
    {"the turns page shown again takes Tan II", Quantity::Turns, Act::ShowAgain, 0, 0, 0, 0, "",
     false, "again", 120},
    {"the turns page is left again", Quantity::Turns, Act::Leave, 0, 0, 0, 0, "", false, {}, 120},
    {"the torque page shown again, same type: the default stays",
     Quantity::Torque,
     Act::ShowAgain,
     0,
     0,
     0,
     0,
     "",
     false,
     {},
     2.7},
};

TEST(CalcPageModel, EachPageComputesWithTheConstantOfTheTypeItShows) {
    CalcState state;
    state.table = {{120, 0, 90}, {3.0, 0, 1.5}};
    CalcPageModel turns(state, Quantity::Turns), torque(state, Quantity::Torque);
    for (const Step& step : kSteps) {
        CalcPageModel& page = step.page == Quantity::Turns ? turns : torque;
        std::optional<std::string> line;
        switch (step.act) {
        case Act::Start:
            page.start();
            break;
        case Act::Compute:
            line =
                page.recompute({step.width, step.strands, step.limit, step.length, step.vorlick});
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
        EXPECT_EQ(line, step.line) << step.what;
        EXPECT_EQ(step.page == Quantity::Turns ? state.turnsConstant : state.torqueConstant,
                  step.constant)
            << step.what;
        EXPECT_EQ(page.shownType(), state.currentType) << step.what;
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
