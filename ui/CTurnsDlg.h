#pragma once
// The Breaking Turns page: type, width, strands, limit and length in, breaking turns out,
// recomputed on every change.

#include "core/calc_state.h"
#include "platform/CPropertyPage.h"
#include "ui/OnHelpClicked.h"

#include <array>

namespace kestrune {

class CTurnsDlg : public platform::CPropertyPage, private HelpButtonHandler {
public:
    CTurnsDlg();

    // Reads the controls, computes and puts a shown result on top of the result list.
    void recomputeTurns();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnCommand(int controlId, platform::Notification code) override;

private:
    void OnTypeSelChange();
    void OnInputChange();
    void OnLengthSetFocus();
    void OnCalibrateClicked();
    void OnDefaultClicked();

    static const std::array<platform::EventEntry<CTurnsDlg>, 10> kEvents;

    bool initialised_ = false;
    // The type whose table constant this page computes with; it follows a type chosen on the
    // Breaking Torque page when this page is next shown.
    int pageType_ = TanII;
};

} // namespace kestrune
