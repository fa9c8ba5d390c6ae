// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A measurement on a two-strand test loop becomes the constant of the current rubber type.

#include "calc_state.h"

#include <optional>
#include <string>

namespace kestrune {

struct CalibrationResult {
    double constant = 0;
    bool refused = false; // the constant would not be a finite number
};

// v is the measured turns per inch (or torque in oz/in) of two strands of the width at list
// index width (0..4). The constant becomes the page's current constant and the table entry of
// the current type (when that is a known type); the caller keeps it in the settings file when the
// user asks for that. An index outside the Width list changes nothing, and so does a measurement
// whose constant would be infinite (a number too large to compute with): that one is refused.
CalibrationResult calibrateTurnsConstant(CalcState& state, double v, int width);
CalibrationResult calibrateTorqueConstant(CalcState& state, double v, int width);

// The constants of a measurement on a motor whose strands add up to d inches: v is its turns
// per inch (or breaking torque in oz/in) at a limit of 100 %.
double turnsConstantOfSection(double v, double d);
double torqueConstantOfSection(double v, double d);

// The constants alone of a two-strand loop (d = w + w), for the dialogs and tests.
double turnsConstantFromMeasurement(double v, double widthInches);
double torqueConstantFromMeasurement(double v, double widthInches);

// The constants of one break test of any number of strands (d = strands x width): its turns at
// break over its length, and its breaking torque. For two strands they are the two-strand loop's
// constants to the last bit. Nothing unless every input and the constant are finite and above 0.
std::optional<double> testTurnsConstant(double turns, double length, double strands,
                                        double widthInches);
std::optional<double> testTorqueConstant(double torque, double strands, double widthInches);

// The density in g/cm^3 of the rubber of a test motor that weighs weight grams:
// W / (thickness x width x strands x length x 16.387064), lengths in inches. Nothing unless every
// input and the density are finite and above 0.
std::optional<double> measuredDensity(double weight, double thickness, double widthInches,
                                      double strands, double length);

// A constant as the Batch Log's tables, the winding card and the messages about constants show
// it: turns constants to 0.1, torque constants to 0.001 ("107.0", "2.700"), a smaller one than
// that with the digit it needs not to read as 0.
std::string turnsConstantText(double constant);
std::string torqueConstantText(double constant);

// Whether "Use" may apply a batch's mean constants to type: a type of the list, a turns constant
// and (when there is one) a torque constant that are finite and above 0. Asked before the user
// is, so that a refusal changes nothing and asks nothing.
bool canUseConstants(int type, double turns, std::optional<double> torque);

// Applies them as a calibration does: the table entries of type and, when type is the current
// type, the pages' current constants. Constants that canUseConstants refuses change nothing
// (refused is set). The result's constant is the turns constant applied.
CalibrationResult useBatchConstants(CalcState& state, int type, double turns,
                                    std::optional<double> torque);

} // namespace kestrune
