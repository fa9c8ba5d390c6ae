// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What the Breaking Turns and Breaking Torque pages share: their one data exchange, and the
// rule that a page computes with the constant of the type its Type list shows.

#include "core/calc_state.h"
#include "platform/CPropertyPage.h"

namespace kestrune {

class CCalcPage : public platform::CPropertyPage {
protected:
    CCalcPage(const platform::DialogTemplate& tmpl, Quantity quantity);

    // The Type list shows the current type, whichever the direction. Shown again after the
    // other page chose another type, the page takes that type's constant and recomputes, so
    // its list and its result never disagree; after its constant was set elsewhere (a batch's
    // constants used on the Batch Log), it recomputes with it.
    void DoDataExchange(platform::CDataExchange& dx) override;

    // The page's one calculation step.
    virtual void recompute() = 0;

    // The user picked a type in the page's Type list.
    void OnTypeSelChange();
    void OnHelpClicked() { OnHelpInfo(); }

    // Initialisation is done: from now on the page computes with the constant of type.
    void startWithType(int type) {
        pageType_ = type;
        initialised_ = true;
        (quantity_ == Quantity::Turns ? calcState().turnsConstantType
                                      : calcState().torqueConstantType) = type;
    }

private:
    Quantity quantity_;
    bool initialised_ = false;
    int pageType_ = TanII;    // the type whose table constant the page computes with
    double constantLeft_ = 0; // the page's constant when the page was last left
};

} // namespace kestrune
