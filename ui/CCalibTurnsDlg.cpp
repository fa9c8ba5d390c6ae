// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CCalibTurnsDlg.h"

#include "ui/help_contexts.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

namespace {
const CalibrationQuantity kTurns{
    IDD_CALIB_TURNS, Quantity::Turns, kHelpCalibrateTurns,
    "Whole turns per inch only: the part after the point is not taken."};
} // namespace

CCalibTurnsDlg::CCalibTurnsDlg() : CCalibDlg(kTurns) {}

} // namespace kestrune
