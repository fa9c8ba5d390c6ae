// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CCalcPage.h"

#include "ui/input_lists.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

CCalcPage::CCalcPage(const platform::DialogTemplate& tmpl, Quantity quantity)
    : CPropertyPage(tmpl), quantity_(quantity), model_(calcState(), quantity) {}

void CCalcPage::fillLists() {
    fillMotorInputLists(*this, calcState().currentType);
}

void CCalcPage::startComputing() {
    model_.start();
    recompute();
}

void CCalcPage::DoDataExchange(platform::CDataExchange& dx) {
    GetListBox(IDC_TYPE).SetCurSel(model_.shownType());
    if (dx.saveAndValidate)
        model_.left();
    else if (model_.shownAgain())
        recompute();
}

void CCalcPage::recompute() {
    const bool turns = quantity_ == Quantity::Turns;
    const auto selected = [this](int id) { return GetListBox(id).GetCurSel(); };
    const std::optional<std::string> line =
        model_.recompute({selected(IDC_WIDTH), selected(IDC_STRANDS), selected(IDC_LIMIT),
                          turns ? GetEdit(IDC_LENGTH).GetWindowText() : std::string(),
                          GetButton(IDC_VORLICK).GetCheck()});
    if (line)
        GetListBox(turns ? IDC_TURNS_RESULT : IDC_TORQUE_RESULT).InsertString(0, *line);
}

void CCalcPage::OnTypeSelChange() {
    model_.chooseType(GetListBox(IDC_TYPE).GetCurSel());
    recompute();
}

void CCalcPage::OnDefaultClicked() {
    model_.useDefault(GetListBox(IDC_TYPE).GetCurSel());
    recompute();
}

} // namespace kestrune
