// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CCalibTorqueDlg.h"

#include "ui/help_contexts.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

namespace {
const CalibrationQuantity kTorque{IDD_CALIB_TORQUE, Quantity::Torque, kHelpCalibrateTorque, ""};
} // namespace

CCalibTorqueDlg::CCalibTorqueDlg() : CCalibDlg(kTorque) {}

} // namespace kestrune
