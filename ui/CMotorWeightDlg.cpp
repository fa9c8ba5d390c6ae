// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CMotorWeightDlg.h"

#include "ui/help_contexts.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

CMotorWeightDlg::CMotorWeightDlg() : CPropertyPage(dialogTemplate(IDD_MOTOR_WEIGHT)) {
    SetHelpContext(kHelpMotorWeight);
}

} // namespace kestrune
