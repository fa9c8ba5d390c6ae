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
    const int current = calcState().currentType;
    if (initialised_ && !dx.saveAndValidate && current != pageType_) {
        selectRubberType(calcState(), quantity_, current);
        pageType_ = current;
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
