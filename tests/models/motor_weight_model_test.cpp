// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Motor Weight page's rules: the box typed last decides, units keep the motor, bad input
// shows nothing.

#include "models/motor_weight_model.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace kestrune {
namespace {

enum Box { Length, Weight, Thickness, Density, Strands, Class, Units };

struct Step {
    Box box;
    std::string input; // typed, or a list's index
    std::string length, weight, perStrand, turns, check;
    std::string note = ""; // why a box or result is empty
};

const std::string kLengthTooLarge = "Length: too large to compute with";

// From Tan II, 1/8", 4 strands, 80 %, 1 inch, each step changes one input.
const std::string kDigits(400, '7');
const Step kSteps[] = {
    {Weight, "10", "29.06", "10", "0.0860 g/in", "1758", ""},
    {Strands, "2", "19.37", "10", "0.0860 g/in", "956", ""},
    {Class, "2", "19.37", "10.00", "0.0860 g/in", "956", "at the F1G limit"},
    {Units, "1", "492.1", "10.00", "3.39 g/m", "956", "at the F1G limit"},
    {Length, "500", "500", "10.16", "3.39 g/m", "972", "0.16 g over the F1G limit"},
    {Density, "1.05", "500", "10.67", "3.56 g/m", "972", "0.67 g over the F1G limit"},
    {Units, "0", "19.69", "10.67", "0.0903 g/in", "972", "0.67 g over the F1G limit"},
    {Class, "0", "19.69", "10.67", "0.0903 g/in", "972", ""}, // past F1B's 30 g
    {Weight, "15", "27.68", "15", "0.0903 g/in", "1367", ""},
    {Weight, "0", "", "0", "0.0903 g/in", "", "", "Weight (g): a number above 0"},
    {Weight, "1e308", "", "1e308", "0.0903 g/in", "", "", "Weight (g): too large to compute with"},
    {Weight, "1e9", "", "1e9", "0.0903 g/in", "", "", kLengthTooLarge},
    {Weight, "-", "", "-", "0.0903 g/in", "", "", "Weight (g): a number above 0"},
    {Length, "1e308", "1e308", "", "0.0903 g/in", "", "", kLengthTooLarge},
    {Length, kDigits, kDigits, "", "0.0903 g/in", "", "", kLengthTooLarge},
    {Length, ".", ".", "", "0.0903 g/in", "", "", "Length: a number above 0"},
    {Length, "1e-9", "1e-9", "", "0.0903 g/in", "0", "", "Weight (g): too small to compute with"},
    {Length, "9", "9", "4.88", "0.0903 g/in", "444", ""},
    {Density, "0", "9", "", "", "444", "", "Density (g/cm³): a number above 0"},
    {Density, "1e999", "9", "", "", "444", "", "Density (g/cm³): too large to compute with"},
    {Density, "1", "9", "4.65", "0.0860 g/in", "444", ""},
    {Thickness, "0", "9", "", "", "444", "", "Thickness: a number above 0"},
    {Units, "1", "228.6", "", "", "444", "", "Thickness: a number above 0"},
    {Thickness, "1.2", "228.6", "5.23", "3.81 g/m", "444", ""},
};

TEST(MotorWeightModel, TheBoxTypedLastDecidesUnitsKeepTheMotorAndBadInputShowsNothing) {
    CalcState state;
    state.table = kDefaultCalibration;
    Preferences preferences;
    SharedMotor shared;
    MotorWeightModel model(state, preferences, shared);
    model.start();
    const auto shown = [&] {
        const MotorWeightView& v = model.view();
        return std::vector{v.length, v.weight, v.perStrand, v.turns, v.classCheck, v.note};
    };
    EXPECT_EQ(shown(), (std::vector<std::string>{"1.00", "0.34", "0.0860 g/in", "60", "", ""}));
    for (const Step& step : kSteps) {
        MotorWeightChoices choices = model.choices();
        switch (step.box) {
        case Length:
            model.typeLength(step.input);
            break;
        case Weight:
            model.typeWeight(step.input);
            break;
        case Thickness:
            model.typeThickness(step.input);
            break;
        case Density:
            model.typeDensity(step.input);
            break;
        default:
            (step.box == Strands ? choices.strands
             : step.box == Class ? choices.weightClass
                                 : choices.units) = std::stoi(step.input);
            model.choose(choices);
        }
        EXPECT_EQ(shown(), (std::vector{step.length, step.weight, step.perStrand, step.turns,
                                        step.check, step.note}))
            << step.box << " " << step.input.substr(0, 20);
    }
    EXPECT_EQ(std::tuple(preferences.units(), preferences.thickness(), preferences.density()),
              std::tuple(LengthUnit::Millimetre, 1.2 / 25.4, 1.0))
        << "0 is never kept";
    EXPECT_EQ(model.view().thickness, "1.2") << "the box keeps what was typed";
    EXPECT_EQ(model.view().lengthUnit + " " + model.view().widths[2] + " " + model.view().widths[0],
              "mm 1/8 (3.18 mm) 1/16 (1.59 mm)");

    // Shown again after another page changed the rubber, the page takes it.
    preferences.setDensity(1.05);
    preferences.setUnits(LengthUnit::Inch);
    model.showAgain();
    EXPECT_EQ(model.view().density + " " + model.view().weight + " " + model.view().thickness +
                  " " + model.view().length + " " + model.view().lengthUnit + " " +
                  model.view().widths[2],
              "1.05 5.49 0.04724 9.00 in 1/8");
    EXPECT_EQ(model.choices().units, 0);

    // kes-prefs.cfg's thickness=0.000001 and density=0.00001: shown, and why there is no weight.
    preferences.setThickness(0.000001);
    preferences.setDensity(0.00001);
    model.typeLength("1");
    model.showAgain();
    EXPECT_EQ(model.view().thickness + " " + model.view().density + " " + model.view().weight +
                  "|" + model.view().perStrand + "|" + model.view().note,
              "0.000001 0.00001 ||Weight (g): too small to compute with");

    // The next run starts with the inputs kept: the class puts its limit into the weight again.
    model.typeWeight("8.5");
    MotorWeightChoices f1g = model.choices();
    f1g.weightClass = 2;
    model.choose(f1g);
    MotorWeightModel next(state, preferences, shared);
    next.start();
    EXPECT_EQ(next.choices(), model.choices());
    EXPECT_EQ(next.view().length + " " + next.view().weight + " " + next.view().classCheck,
              model.view().length + " 10.00 at the F1G limit");
}

} // namespace
} // namespace kestrune
