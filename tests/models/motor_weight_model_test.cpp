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
};

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
    {Weight, "0", "", "0", "0.0903 g/in", "", ""},
    {Weight, "1e308", "", "1e308", "0.0903 g/in", "", ""},
    {Weight, "-", "", "-", "0.0903 g/in", "", ""},
    {Length, "1e308", "1e308", "", "0.0903 g/in", "Undefined", ""},
    {Length, kDigits, kDigits, "", "0.0903 g/in", "", ""},
    {Length, ".", ".", "", "0.0903 g/in", "", ""},
    {Length, "9", "9", "4.88", "0.0903 g/in", "444", ""},
    {Density, "0", "9", "", "", "444", ""},
    {Density, "1", "9", "4.65", "0.0860 g/in", "444", ""},
    {Thickness, "0", "9", "", "", "444", ""},
    {Units, "1", "228.6", "", "", "444", ""},
    {Thickness, "1.2", "228.6", "5.23", "3.81 g/m", "444", ""},
};

TEST(MotorWeightModel, TheBoxTypedLastDecidesUnitsKeepTheMotorAndBadInputShowsNothing) {
    CalcState state;
    state.table = kDefaultCalibration;
    Preferences preferences;
    MotorWeightModel model(state, preferences);
    model.start();
    const auto shown = [&] {
        const MotorWeightView& v = model.view();
        return std::vector{v.length, v.weight, v.perStrand, v.turns, v.classCheck};
    };
    EXPECT_EQ(shown(), (std::vector<std::string>{"1.00", "0.34", "0.0860 g/in", "60", ""}));
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
        EXPECT_EQ(shown(),
                  (std::vector{step.length, step.weight, step.perStrand, step.turns, step.check}))
            << step.box << " " << step.input.substr(0, 20);
    }
    EXPECT_EQ(std::tuple(preferences.units(), preferences.thickness(), preferences.density()),
              std::tuple(LengthUnit::Millimetre, 1.2 / 25.4, 1.0))
        << "0 is never kept";
    EXPECT_EQ(model.view().thickness, "1.2") << "the box keeps what was typed";

    // Shown again after another page changed the rubber, the page takes it.
    preferences.setDensity(1.05);
    preferences.setUnits(LengthUnit::Inch);
    model.showAgain();
    EXPECT_EQ(model.view().density + " " + model.view().weight + " " + model.view().thickness +
                  " " + model.view().length,
              "1.05 5.49 0.04724 9.00");
    EXPECT_EQ(model.choices().units, 0);
}

} // namespace
} // namespace kestrune
