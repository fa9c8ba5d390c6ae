// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A measurement on a two-strand test loop becomes the constant of the current rubber type.

#include "calc_state.h"
#include "file_io.h"

#include <functional>
#include <optional>

namespace kestrune {

// Writes the settings file from the state; the caller decides which file.
using SaveSettingsFn = std::function<WriteResult(const CalcState&)>;

struct CalibrationResult {
    double constant = 0;
    std::optional<WriteResult> saved; // present when a save was asked for
    bool refused = false;             // the constant would not be a finite number
};

// v is the measured turns per inch (or torque in oz/in) of two strands of the width at list
// index width (0..4). The constant becomes the page's current constant and the table entry of
// the current type (when that is a known type); with save, saveSettings runs afterwards.
// An index outside the Width list changes nothing, and so does a measurement whose constant
// would be infinite (a number too large to compute with): that one is refused.
CalibrationResult calibrateTurnsConstant(CalcState& state, double v, int width, bool save,
                                         const SaveSettingsFn& saveSettings);
CalibrationResult calibrateTorqueConstant(CalcState& state, double v, int width, bool save,
                                          const SaveSettingsFn& saveSettings);

// The constants alone, for the dialogs and tests.
double turnsConstantFromMeasurement(double v, double widthInches);
double torqueConstantFromMeasurement(double v, double widthInches);

} // namespace kestrune
