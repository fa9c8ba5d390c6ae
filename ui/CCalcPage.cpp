// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CCalcPage.h"

#include "ui/calc_page_inputs.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

CCalcPage::CCalcPage(const platform::DialogTemplate& tmpl, Quantity quantity)
    : CPropertyPage(tmpl), quantity_(quantity) {}

void CCalcPage::DoDataExchange(platform::CDataExchange& dx) {
    exchangeRubberType(dx);
    CalcState& state = calcState();
    const double& constant =
        quantity_ == Quantity::Turns ? state.turnsConstant : state.torqueConstant;
    if (!initialised_)
        return;
    if (dx.saveAndValidate) {
        constantLeft_ = constant;
    } else if (state.currentType != pageType_) {
        selectRubberType(state, quantity_, state.currentType);
        pageType_ = state.currentType;
        recompute();
    } else if (constant != constantLeft_) {
        recompute();
    }
}

void CCalcPage::OnTypeSelChange() {
    const int type = GetListBox(IDC_TYPE).GetCurSel();
    selectRubberType(calcState(), quantity_, type);
    pageType_ = type;
    recompute();
}

} // namespace kestrune
