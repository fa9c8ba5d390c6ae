// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CTurnsDlg.h"

#include "ui/CCalibTurnsDlg.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

using namespace platform;

const std::array<EventEntry<CTurnsDlg>, 10> CTurnsDlg::kEvents{{
    {IDC_TYPE, LBN_SELCHANGE, &CTurnsDlg::OnTypeSelChange},
    {IDC_WIDTH, LBN_SELCHANGE, &CTurnsDlg::OnInputChange},
    {IDC_LENGTH, EN_UPDATE, &CTurnsDlg::OnInputChange},
    {IDC_STRANDS, LBN_SELCHANGE, &CTurnsDlg::OnInputChange},
    {IDC_LIMIT, LBN_SELCHANGE, &CTurnsDlg::OnInputChange},
    {IDC_LENGTH, EN_SETFOCUS, &CTurnsDlg::OnLengthSetFocus},
    {IDC_CALIBRATE, BN_CLICKED, &CTurnsDlg::OnCalibrateClicked},
    {IDC_DEFAULT, BN_CLICKED, &CTurnsDlg::OnDefaultClicked},
    {IDC_VORLICK, BN_CLICKED, &CTurnsDlg::OnInputChange},
    {IDC_HELP, BN_CLICKED, &CTurnsDlg::OnHelpClicked},
}};

CTurnsDlg::CTurnsDlg() : CCalcPage(dialogTemplate(IDD_TURNS), Quantity::Turns) {}

bool CTurnsDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) || CCalcPage::OnCommand(controlId, code);
}

bool CTurnsDlg::OnInitDialog() {
    CCalcPage::OnInitDialog();
    fillLists();
    Edit length = GetEdit(IDC_LENGTH);
    length.SetRefusalTip("Whole inches only: the part after the point is not taken.");
    length.SetWindowText("1");
    length.SetSel(1, 0);
    length.ScrollCaret();
    startComputing();
    return true;
}

void CTurnsDlg::OnLengthSetFocus() {
    // Entering the box starts a new length; the change itself recomputes.
    GetEdit(IDC_LENGTH).SetWindowText("");
}

void CTurnsDlg::OnCalibrateClicked() {
    {
        CCalibTurnsDlg dialog;
        dialog.DoModal();
    }
    recompute();
}

} // namespace kestrune
