// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Motor Weight page without its window: a motor sized to a contest class's weight, its length
// and weight linked through the rubber (the box typed last decides the other), with the turns and
// torque the calculation pages give it. The page hands over what is typed and chosen and shows
// the texts this gives back.

#include "core/calc_state.h"
#include "core/linked_motor.h"
#include "core/motor_weight.h"
#include "core/preferences.h"
#include "models/shared_motor.h"
#include "models/typed_measure.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// The page's lists, as the index of their selected entries.
struct MotorWeightChoices {
    int type = TanII;
    int width = 2;   // 1/8
    int strands = 1; // 4
    int limit = 4;   // 80 %
    int weightClass = 0;
    int units = 0; // inch
    friend bool operator==(const MotorWeightChoices&, const MotorWeightChoices&) = default;
};

// Every text of the page's boxes: the four the user types into, the four results, and the note
// that says why a box holds no value or a result is empty; the unit beside the Length and
// Thickness boxes, and the Width list's entries, in millimetres too in millimetre units.
struct MotorWeightView {
    std::string length, weight, thickness, density;
    std::string turns, torque, perStrand, classCheck;
    std::string note;
    std::string lengthUnit{"in"};
    std::vector<std::string> widths;
    friend bool operator==(const MotorWeightView&, const MotorWeightView&) = default;
};

// The motor the page shows, exactly: length in inches, weight in grams, its turns and its torque
// in oz-in; nothing where the page shows no number.
struct MotorWeightValues {
    std::optional<double> length, weight, turns, torque;
};

// Boxes typed at the start, for a caller that sizes many motors: nothing for a box left as
// start() shows it.
struct MotorWeightEntries {
    MotorWeightChoices choices;
    std::optional<std::string> thickness, density, length, weight;
};

class MotorWeightModel {
public:
    // The boxes and results a note names.
    static constexpr std::string_view kLengthBox = "Length";
    static constexpr std::string_view kWeightBox = "Weight (g)";
    static constexpr std::string_view kThicknessBox = "Thickness";
    static constexpr std::string_view kDensityBox = "Density (g/cm³)";
    static constexpr std::string_view kPerStrandBox = "Per strand";

    // The calculation state gives the table's constants; the preferences hold the units and the
    // rubber the modeller's pages share, and keep what is typed here; the shared motor takes each
    // motor sized here once the page has started.
    MotorWeightModel(const CalcState& state, Preferences& preferences, SharedMotor& shared);

    // First shown: the preferences' units and rubber, and the inputs kept from the last run, or
    // where none are the calculation pages' type and a motor of one inch (the Breaking Turns
    // page's first length).
    void start();
    // Shown again: the units, thickness and density another page changed since this page last
    // saw them, and the constants of a calibration since.
    void showAgain();

    // What the user typed into a box, as it stands. Length and Weight (g) decide the other of
    // the two; Thickness (in the page's units) and Density (g/cm³) are kept in the preferences
    // when they are numbers above 0.
    void typeLength(std::string text);
    void typeWeight(std::string text);
    void typeThickness(std::string text);
    void typeDensity(std::string text);
    // The lists as they stand after the user changed one of them.
    void choose(const MotorWeightChoices& choices);
    // start(), choose(), then typeThickness(), typeDensity(), typeLength() and typeWeight() of
    // each box given, with the results computed once at the end.
    void startWith(MotorWeightEntries entries);

    const MotorWeightChoices& choices() const { return choices_; }
    const MotorWeightView& view() const { return view_; }
    const MotorWeightValues& values() const { return values_; }
    // What the note says: the first box that holds no value or the first result beyond the
    // motors a page computes with; nothing when every box holds one.
    std::optional<BoxFault> fault() const { return fault_; }

private:
    LengthUnit units() const { return lengthUnitAt(choices_.units); }
    void changeUnits(LengthUnit unit);
    void showUnit();
    void showThickness(double inches);
    void showDensity(double density);
    // The box the user did not type last follows the one they did, then every result.
    void recompute();
    void showKeptInputs();
    void keepInputs();
    // Why the first box that holds no value holds none, or the first result beyond the motors a
    // page computes with is empty.
    std::optional<BoxFault> findFault(const MotorWeightInputs& inputs) const;

    const CalcState& state_;
    Preferences& preferences_;
    SharedMotor& shared_;
    bool started_ = false; // the motor the page starts with is no change of the shared one
    MotorWeightChoices choices_;
    LinkedMotor motor_;
    MotorWeightView view_;
    MotorWeightValues values_;
    std::optional<BoxFault> fault_;
    // The rubber as the boxes give it, in inches and g/cm³; nothing while a box holds no value.
    std::optional<double> thickness_;
    std::optional<double> density_;
    // Why the Length, Weight (g), Thickness and Density boxes hold no value; empty when they do.
    std::string_view lengthFault_, weightFault_, thicknessFault_, densityFault_;
    // The preferences as the page last read or wrote them.
    double seenThickness_ = 0;
    double seenDensity_ = 0;
    // While startWith() types its boxes, the results wait for the last of them.
    bool holding_ = false;
};

} // namespace kestrune
