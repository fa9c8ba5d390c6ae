// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A motor's weight from its length and back, for sizing a motor to a contest class's limit.

#include "calc_state.h"
#include "units.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

// The rubber a motor is cut from: what the strip is made of and how thick it is.
struct RubberStock {
    double thickness = 0.042; // inches
    double density = 1.00;    // g/cm^3
};

// A density as the pages show it: "1.00", "1.0524" (to 0.0001 g/cm^3, at least two decimals, and
// four significant digits where those show fewer: "0.00001").
std::string formatDensity(double density);

// The largest length (inches) or weight (grams) of a motor: far beyond any rubber motor, and
// below the size where a value shown to the hundredth would print hundreds of meaningless digits.
inline constexpr double kLargestMotorMeasure = 1e9;
// And the smallest: a length or weight of an absurd density or thickness, no motor at all.
inline constexpr double kSmallestMotorMeasure = 1e-9;

// W = density x thickness x width x strands x length x 16.387064, in grams (lengths in inches),
// and the length of a weight, L = W / (density x thickness x width x strands x 16.387064).
// Every input must be a finite number above 0; a result outside kSmallestMotorMeasure to
// kLargestMotorMeasure is no result either.
std::optional<double> motorWeight(const RubberStock& stock, double width, double strands,
                                  double length);
std::optional<double> motorLength(const RubberStock& stock, double width, double strands,
                                  double weight);
// The same before the limits, so that a page can say which one a motor passed: the weight or
// length itself (infinite, or 0, where the double range ends), nothing for inputs that are not
// all finite numbers above 0.
std::optional<double> unlimitedMotorWeight(const RubberStock& stock, double width, double strands,
                                           double length);
std::optional<double> unlimitedMotorLength(const RubberStock& stock, double width, double strands,
                                           double weight);

// Grams of one strand per inch, or per metre in millimetre units, with its unit: "0.0860 g/in",
// "3.39 g/m" for 1/8" strip of the default stock, "0.000002 g/in" for a far thinner one. Empty
// when the stock or width gives no weight.
std::string formatPerStrand(const RubberStock& stock, double width, LengthUnit unit);

struct WeightClass {
    std::string_view listText;
    std::string_view shortName;
    double limitGrams; // 0 for "None"
};

// The Class list, in this order; entry 0 is no class.
inline constexpr std::array<WeightClass, 6> kWeightClasses{{
    {"None", "", 0},
    {"F1B 30 g", "F1B", 30},
    {"F1G 10 g", "F1G", 10},
    {"P-30 10 g", "P-30", 10},
    {"F1M 1.5 g", "F1M", 1.5},
    {"F1D 0.6 g", "F1D", 0.6},
}};

// The weight limit of a class list entry; nothing for "None" or an index outside the list.
std::optional<double> classLimit(int weightClass);

// How far a weight is from a class's limit, to the hundredth of a gram: "0.42 g under the F1G
// limit", "1.10 g over the F1B limit", "at the F1G limit" when it weighs the limit exactly. A
// difference that rounds to 0.00 g still says which side it is on: "less than 0.01 g over the
// F1B limit", since a motor over the limit is over however little. Empty without a class or a
// weight, or for a weight beyond kLargestMotorMeasure.
std::string classCheckText(int weightClass, std::optional<double> weight);

// What the Motor Weight page shows for a motor, besides the linked Length and Weight.
struct MotorWeightInputs {
    int type = TanII;
    int width = 2; // Width list index
    int strands = 2;
    int limit = 80;
    RubberStock stock;
    int weightClass = 0;
};
struct MotorWeightResults {
    std::string turns;     // as the Breaking Turns page writes it, with the type's table constant
    std::string torque;    // formatTorque, or "Undefined"
    std::string perStrand; // formatPerStrand
    std::string classCheck;
    // The turns and the unrounded torque shown, where they are numbers.
    std::optional<double> turnsCount;
    std::optional<double> torqueOunceInches;
};
// Length and weight as the boxes give them (nothing for an empty or bad box); the results of a
// motor without a length are empty.
MotorWeightResults motorWeightResults(const CalcState& state, const MotorWeightInputs& inputs,
                                      std::optional<double> length, std::optional<double> weight,
                                      LengthUnit unit);

} // namespace kestrune
