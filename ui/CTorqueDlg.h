#pragma once
// The Breaking Torque page: type, width, strands and limit in, breaking torque out, recomputed
// on every change. The twin of the Breaking Turns page, without a length.

#include "core/calc_state.h"
#include "platform/CPropertyPage.h"
#include "ui/OnHelpClicked.h"

#include <array>

namespace kestrune {

class CTorqueDlg : public platform::CPropertyPage, private HelpButtonHandler {
public:
    CTorqueDlg();

    // Reads the controls, computes and puts the result on top of the result list.
    void recomputeTorque();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnCommand(int controlId, platform::Notification code) override;

private:
    void OnTypeSelChange();
    void OnInputChange();
    void OnCalibrateClicked();
    void OnDefaultsClicked();

    static const std::array<platform::EventEntry<CTorqueDlg>, 8> kEvents;

    bool initialised_ = false;
    // The type whose table constant this page computes with (see CTurnsDlg).
    int pageType_ = TanII;
};

} // namespace kestrune
