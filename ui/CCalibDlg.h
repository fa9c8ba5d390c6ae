// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The design both calibration dialogs share: a measurement and the width of the two-strand
// test loop in, the constant of the current type out; "Use Default" and "Save Value".

#include "models/calibration_model.h"
#include "platform/CDialog.h"

#include <array>

namespace kestrune {

// What makes a calibration dialog the turns or the torque one.
struct CalibrationQuantity {
    int templateId;
    Quantity quantity;
    unsigned long helpContext; // F1 in the dialog
    const char* refusalTip;    // for a point typed into a value box of whole numbers; "": none
};

class CCalibDlg : public platform::CDialog {
public:
    int saveValue = 0; // mirrors "Save Value"

protected:
    explicit CCalibDlg(const CalibrationQuantity& quantity);

    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int controlId, platform::Notification code) override;

private:
    void OnValueSetFocus();
    void OnSaveValueClicked();
    void OnUseDefaultClicked();

    static const std::array<platform::EventEntry<CCalibDlg>, 3> kEvents;

    CalibrationModel model_;
    const char* refusalTip_;
};

} // namespace kestrune
