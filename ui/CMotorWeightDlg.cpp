// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CMotorWeightDlg.h"

#include "ui/help_contexts.h"
#include "ui/input_lists.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

using namespace platform;

const std::array<EventEntry<CMotorWeightDlg>, 11> CMotorWeightDlg::kEvents{{
    {IDC_TYPE, LBN_SELCHANGE, &CMotorWeightDlg::OnChoiceChange},
    {IDC_WIDTH, LBN_SELCHANGE, &CMotorWeightDlg::OnChoiceChange},
    {IDC_STRANDS, LBN_SELCHANGE, &CMotorWeightDlg::OnChoiceChange},
    {IDC_THICKNESS, EN_UPDATE, &CMotorWeightDlg::OnThicknessUpdate},
    {IDC_DENSITY, EN_UPDATE, &CMotorWeightDlg::OnDensityUpdate},
    {IDC_LENGTH, EN_UPDATE, &CMotorWeightDlg::OnLengthUpdate},
    {IDC_WEIGHT, EN_UPDATE, &CMotorWeightDlg::OnWeightUpdate},
    {IDC_CLASS, LBN_SELCHANGE, &CMotorWeightDlg::OnChoiceChange},
    {IDC_LIMIT, LBN_SELCHANGE, &CMotorWeightDlg::OnChoiceChange},
    {IDC_UNITS, LBN_SELCHANGE, &CMotorWeightDlg::OnChoiceChange},
    {IDC_HELP, BN_CLICKED, &CMotorWeightDlg::OnHelpClicked},
}};

CMotorWeightDlg::CMotorWeightDlg()
    : CPropertyPage(dialogTemplate(IDD_MOTOR_WEIGHT)),
      model_(calcState(), preferences(), sharedMotor()) {
    SetHelpContext(kHelpMotorWeight);
}

bool CMotorWeightDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) ||
           CPropertyPage::OnCommand(controlId, code);
}

bool CMotorWeightDlg::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    model_.start();
    fillMotorInputLists(*this, model_.choices().type);
    fillWeightClassList(GetListBox(IDC_CLASS));
    fillUnitsList(GetListBox(IDC_UNITS));
    initialised_ = true;
    show();
    return true;
}

void CMotorWeightDlg::DoDataExchange(CDataExchange& dx) {
    if (!initialised_ || dx.saveAndValidate)
        return;
    model_.showAgain();
    show();
}

void CMotorWeightDlg::OnLengthUpdate() {
    model_.typeLength(GetEdit(IDC_LENGTH).GetWindowText());
    show();
}

void CMotorWeightDlg::OnWeightUpdate() {
    model_.typeWeight(GetEdit(IDC_WEIGHT).GetWindowText());
    show();
}

void CMotorWeightDlg::OnThicknessUpdate() {
    model_.typeThickness(GetEdit(IDC_THICKNESS).GetWindowText());
    show();
}

void CMotorWeightDlg::OnDensityUpdate() {
    model_.typeDensity(GetEdit(IDC_DENSITY).GetWindowText());
    show();
}

void CMotorWeightDlg::OnChoiceChange() {
    const auto selected = [this](int id) { return GetListBox(id).GetCurSel(); };
    model_.choose({selected(IDC_TYPE), selected(IDC_WIDTH), selected(IDC_STRANDS),
                   selected(IDC_LIMIT), selected(IDC_CLASS), selected(IDC_UNITS)});
    show();
}

void CMotorWeightDlg::show() {
    const MotorWeightView& view = model_.view();
    for (const auto& [id, text] : {std::pair{IDC_LENGTH, &view.length},
                                   {IDC_WEIGHT, &view.weight},
                                   {IDC_THICKNESS, &view.thickness},
                                   {IDC_DENSITY, &view.density},
                                   {IDC_WEIGHT_TURNS, &view.turns},
                                   {IDC_WEIGHT_TORQUE, &view.torque},
                                   {IDC_PER_STRAND, &view.perStrand},
                                   {IDC_CLASS_CHECK, &view.classCheck}})
        GetEdit(id).ShowText(*text);
    SetDlgItemText(IDC_WEIGHT_NOTE, view.note);
    SetDlgItemText(IDC_LENGTH_UNIT, view.lengthUnit);
    SetDlgItemText(IDC_THICKNESS_UNIT, view.lengthUnit);
    if (view.widths != widths_) {
        // Refilled only when the units change them: a refill would end a choice in progress.
        widths_ = view.widths;
        ListBox list = GetListBox(IDC_WIDTH);
        list.ResetContent();
        for (const std::string& entry : widths_)
            list.AddString(entry);
        list.SetCurSel(model_.choices().width);
    }
    GetListBox(IDC_UNITS).SetCurSel(model_.choices().units);
}

} // namespace kestrune
