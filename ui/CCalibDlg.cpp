// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CCalibDlg.h"

#include "ui/input_lists.h"
#include "ui/messages.h"
#include "ui/resources/dialog_templates.h"
#include "ui/save_constants.h"

namespace kestrune {

using namespace platform;

const std::array<EventEntry<CCalibDlg>, 3> CCalibDlg::kEvents{{
    {IDC_VALUE, EN_SETFOCUS, &CCalibDlg::OnValueSetFocus},
    {IDC_SAVE_VALUE, BN_CLICKED, &CCalibDlg::OnSaveValueClicked},
    {IDC_USE_DEFAULT, BN_CLICKED, &CCalibDlg::OnUseDefaultClicked},
}};

CCalibDlg::CCalibDlg(const CalibrationQuantity& quantity)
    : CDialog(dialogTemplate(quantity.templateId)), model_(calcState(), quantity.quantity),
      refusalTip_(quantity.refusalTip) {
    SetHelpContext(quantity.helpContext);
}

bool CCalibDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) || CDialog::OnCommand(controlId, code);
}

void CCalibDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IDC_SAVE_VALUE, saveValue);
}

bool CCalibDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    fillWidthList(GetListBox(IDC_WIDTH));
    GetEdit(IDC_VALUE).SetRefusalTip(refusalTip_);
    GetEdit(IDC_VALUE).SetWindowText(model_.startText());
    return true;
}

void CCalibDlg::OnValueSetFocus() {
    // Entering the field starts a new measurement.
    GetEdit(IDC_VALUE).SetWindowText("");
}

void CCalibDlg::OnSaveValueClicked() {
    saveValue = GetButton(IDC_SAVE_VALUE).GetCheck() ? 1 : 0;
}

void CCalibDlg::OnUseDefaultClicked() {
    Edit value = GetEdit(IDC_VALUE);
    if (const auto text =
            model_.useDefault(GetButton(IDC_USE_DEFAULT).GetCheck(), value.GetWindowText()))
        value.SetWindowText(*text);
}

void CCalibDlg::OnOK() {
    // The constant is installed before any question about the settings file, so a refused value
    // is told at once and only a constant that will be written asks about replacing the file.
    const CalibrationResult result =
        model_.calibrate(GetEdit(IDC_VALUE).GetWindowText(), GetListBox(IDC_WIDTH).GetCurSel());
    if (result.refused) {
        // Nothing changed; the user may enter another value or cancel.
        tell("The value entered gives a constant too large to compute with. Enter a smaller "
             "value.");
        return;
    }
    if (saveValue != 0)
        saveConstantsReported("The new constant is in use until Kestrune ends, but it was not "
                              "kept for the next start.");
    saveValue = 0;
    CDialog::OnOK();
}

void CCalibDlg::OnCancel() {
    saveValue = 0;
    CDialog::OnCancel();
}

} // namespace kestrune
