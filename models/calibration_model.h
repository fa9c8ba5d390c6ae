// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The calibration dialogs without their windows: a measurement on the two-strand test loop, as
// typed, becomes the turns or torque constant of the current type; "Use Default" puts the type's
// default into the box and takes it out again.

#include "core/calc_state.h"
#include "core/calibration.h"

#include <optional>
#include <string>

namespace kestrune {

class CalibrationModel {
public:
    CalibrationModel(CalcState& state, Quantity quantity);

    // The box's text on opening: the page's constant, "%.0f" turns, "%.2f" torque.
    std::string startText() const;

    // "Use Default" ticked: the box shows the current type's default constant and the number it
    // held is kept; unticked: the number kept comes back. The box's new text; nothing to leave
    // the box as it is (a type without a default).
    std::optional<std::string> useDefault(bool ticked, const std::string& text);

    // OK: the box's text, whatever put it there, read as atof does, with the loop's width at its
    // list index. A refused measurement changes nothing.
    CalibrationResult calibrate(const std::string& text, int width);

private:
    std::string shown(double value) const;

    CalcState& state_;
    Quantity quantity_;
    double valueBeforeDefault_ = 0; // the box's number when "Use Default" was last ticked
};

} // namespace kestrune
