// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// "Calibrate Turns": the turns constant from the measured turns per inch of a test loop.

#include "ui/CCalibDlg.h"

namespace kestrune {

class CCalibTurnsDlg : public CCalibDlg {
public:
    CCalibTurnsDlg();
};

} // namespace kestrune
