// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What the Breaking Turns and Breaking Torque pages share: their inputs, their one calculation
// step, their data exchange and their Type list, over the page's model.

#include "models/calc_page_model.h"
#include "platform/CPropertyPage.h"

namespace kestrune {

class CCalcPage : public platform::CPropertyPage {
protected:
    CCalcPage(const platform::DialogTemplate& tmpl, Quantity quantity);

    // First shown: the lists filled (Type showing the current type), then, with the page's own
    // boxes set between the two, the page's start taken and its first result shown.
    void fillLists();
    void startComputing();
    // The Type list shows the current type, whichever the direction; shown again, the page
    // computes again when the model says so.
    void DoDataExchange(platform::CDataExchange& dx) override;

    // Reads the controls and puts the model's line on top of the result list.
    void recompute();

    void OnInputChange() { recompute(); }
    void OnTypeSelChange();
    void OnDefaultClicked();
    void OnHelpClicked() { OnHelpInfo(); }

private:
    Quantity quantity_;
    CalcPageModel model_;
};

} // namespace kestrune
