// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CTorqueDlg.h"

#include "core/breaking_torque.h"
#include "ui/CCalibTorqueDlg.h"
#include "ui/calc_page_inputs.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

using namespace platform;

const std::array<EventEntry<CTorqueDlg>, 8> CTorqueDlg::kEvents{{
    {IDC_TYPE, LBN_SELCHANGE, &CTorqueDlg::OnTypeSelChange},
    {IDC_WIDTH, LBN_SELCHANGE, &CTorqueDlg::OnInputChange},
    {IDC_STRANDS, LBN_SELCHANGE, &CTorqueDlg::OnInputChange},
    {IDC_LIMIT, LBN_SELCHANGE, &CTorqueDlg::OnInputChange},
    {IDC_CALIBRATE, BN_CLICKED, &CTorqueDlg::OnCalibrateClicked},
    {IDC_DEFAULT, BN_CLICKED, &CTorqueDlg::OnDefaultsClicked},
    {IDC_VORLICK, BN_CLICKED, &CTorqueDlg::OnInputChange},
    {IDC_HELP, BN_CLICKED, &CTorqueDlg::OnHelpClicked},
}};

CTorqueDlg::CTorqueDlg() : CCalcPage(dialogTemplate(IDD_TORQUE), Quantity::Torque) {}

bool CTorqueDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) || CCalcPage::OnCommand(controlId, code);
}

bool CTorqueDlg::OnInitDialog() {
    CCalcPage::OnInitDialog();
    CalcState& state = calcState();
    fillMotorInputLists(*this, state.currentType);

    // First shown after the Breaking Turns page may have chosen another type: start with the
    // constant of the type the Type list shows (Tan II's when that is no known type).
    const bool known = state.currentType >= 0 && state.currentType < kRubberTypeCount;
    const int source = known ? state.currentType : TanII;
    state.torqueConstant = state.table.torque[static_cast<std::size_t>(source)];
    startWithType(state.currentType);
    recomputeTorque();
    return true;
}

void CTorqueDlg::recomputeTorque() {
    const MotorInputs in = readMotorInputs(*this);
    const CalcOutcome outcome =
        computeBreakingTorque(calcState(), in.width, in.strands, in.limit, in.useVorlick);
    GetListBox(IDC_TORQUE_RESULT).InsertString(0, outcome.text);
}

void CTorqueDlg::OnInputChange() {
    recomputeTorque();
}

void CTorqueDlg::OnCalibrateClicked() {
    {
        CCalibTorqueDlg dialog;
        dialog.DoModal();
    }
    recomputeTorque();
}

void CTorqueDlg::OnDefaultsClicked() {
    if (const auto constant = defaultTorqueConstant(GetListBox(IDC_TYPE).GetCurSel()))
        calcState().torqueConstant = *constant;
    recomputeTorque();
}

} // namespace kestrune
