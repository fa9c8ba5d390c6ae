// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Motor Weight page: size a motor to a contest class's weight limit, with its turns and torque.

#include "core/linked_motor.h"
#include "core/motor_weight.h"
#include "platform/CPropertyPage.h"

#include <array>
#include <optional>
#include <string_view>

namespace kestrune {

class CMotorWeightDlg : public platform::CPropertyPage {
public:
    CMotorWeightDlg();

protected:
    bool OnInitDialog() override;
    // Toward the controls, at each activation: the units, thickness and density another page
    // may have changed since the page last saw them.
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnCommand(int controlId, platform::Notification code) override;

private:
    void OnLengthUpdate();
    void OnWeightUpdate();
    void OnClassSelChange();
    void OnThicknessUpdate();
    void OnDensityUpdate();
    void OnUnitsSelChange();
    void OnInputChange();
    void OnHelpClicked() { OnHelpInfo(); }

    // The box the user did not type last follows the one they did, then every result.
    void recompute();
    MotorWeightInputs readInputs();
    // Writes a box without taking the text for something the user typed.
    void showText(int id, std::string_view text);
    // Length and Weight (g) from the exact values, rounded.
    void showLength();
    void showWeight();
    // Shows the lengths in the unit from the exact values kept, never from the rounded text.
    void showUnits(LengthUnit unit);
    void showThickness(double inches);
    void showDensity(double density);
    // The text of a box read whole, as a finite number above 0; nothing otherwise.
    std::optional<double> typedPositive(int id);

    LinkedMotor motor_;
    bool initialised_ = false;
    bool showing_ = false;
    LengthUnit units_ = LengthUnit::Inch;
    // The rubber as the boxes give it, in inches and g/cm^3; nothing while a box holds no value.
    std::optional<double> thickness_;
    std::optional<double> density_;
    // The preferences as the page last read or wrote them.
    double seenThickness_ = 0;
    double seenDensity_ = 0;

    static const std::array<platform::EventEntry<CMotorWeightDlg>, 11> kEvents;
};

} // namespace kestrune
