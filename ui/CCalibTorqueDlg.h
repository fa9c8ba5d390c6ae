// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// "Calibrate Torque": the torque constant from the measured torque (oz/in) of a test loop.

#include "ui/CCalibDlg.h"

namespace kestrune {

class CCalibTorqueDlg : public CCalibDlg {
public:
    CCalibTorqueDlg();
};

} // namespace kestrune
