// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CTorqueDlg.h"

#include "ui/CCalibTorqueDlg.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

using namespace platform;

const std::array<EventEntry<CTorqueDlg>, 8> CTorqueDlg::kEvents{{
    {IDC_TYPE, LBN_SELCHANGE, &CTorqueDlg::OnTypeSelChange},
    {IDC_WIDTH, LBN_SELCHANGE, &CTorqueDlg::OnInputChange},
    {IDC_STRANDS, LBN_SELCHANGE, &CTorqueDlg::OnInputChange},
    {IDC_LIMIT, LBN_SELCHANGE, &CTorqueDlg::OnInputChange},
    {IDC_CALIBRATE, BN_CLICKED, &CTorqueDlg::OnCalibrateClicked},
    {IDC_DEFAULT, BN_CLICKED, &CTorqueDlg::OnDefaultClicked},
    {IDC_VORLICK, BN_CLICKED, &CTorqueDlg::OnInputChange},
    {IDC_HELP, BN_CLICKED, &CTorqueDlg::OnHelpClicked},
}};

CTorqueDlg::CTorqueDlg() : CCalcPage(dialogTemplate(IDD_TORQUE), Quantity::Torque) {}

bool CTorqueDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) || CCalcPage::OnCommand(controlId, code);
}

bool CTorqueDlg::OnInitDialog() {
    CCalcPage::OnInitDialog();
    fillLists();
    startComputing();
    return true;
}

void CTorqueDlg::OnCalibrateClicked() {
    {
        CCalibTorqueDlg dialog;
        dialog.DoModal();
    }
    recompute();
}

} // namespace kestrune
