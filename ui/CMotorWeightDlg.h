// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Motor Weight page: size a motor to a contest class's weight limit, with its turns and torque.

#include "models/motor_weight_model.h"
#include "platform/CPropertyPage.h"

#include <array>
#include <string>
#include <vector>

namespace kestrune {

class CMotorWeightDlg : public platform::CPropertyPage {
public:
    CMotorWeightDlg();

protected:
    bool OnInitDialog() override;
    // Toward the controls, at each activation: what other pages changed since.
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnCommand(int controlId, platform::Notification code) override;
    // Enter in a box leaves the sheet open: every box recomputes as it is typed.
    platform::EnterKey OnEnterKey(int /*controlId*/) override {
        return platform::EnterKey::nothing();
    }

private:
    void OnLengthUpdate();
    void OnWeightUpdate();
    void OnThicknessUpdate();
    void OnDensityUpdate();
    void OnChoiceChange();
    void OnHelpClicked() { OnHelpInfo(); }

    // What the model gives, into the boxes; the box being typed in already holds its text.
    void show();

    MotorWeightModel model_;
    bool initialised_ = false;
    std::vector<std::string> widths_; // the Width list's entries as shown

    static const std::array<platform::EventEntry<CMotorWeightDlg>, 11> kEvents;
};

} // namespace kestrune
