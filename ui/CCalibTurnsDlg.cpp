// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CCalibTurnsDlg.h"

#include "ui/help_contexts.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

namespace {
const CalibrationQuantity kTurns{IDD_CALIB_TURNS,           0,
                                 &CalcState::turnsConstant, &defaultTurnsConstant,
                                 &calibrateTurnsConstant,   kHelpCalibrateTurns};
} // namespace

CCalibTurnsDlg::CCalibTurnsDlg() : CCalibDlg(kTurns) {}

} // namespace kestrune
