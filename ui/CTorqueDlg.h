// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Breaking Torque page: type, width, strands and limit in, breaking torque out, recomputed
// on every change. The twin of the Breaking Turns page, without a length.

#include "ui/CCalcPage.h"

#include <array>

namespace kestrune {

class CTorqueDlg : public CCalcPage {
public:
    CTorqueDlg();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int controlId, platform::Notification code) override;

private:
    void OnCalibrateClicked();

    static const std::array<platform::EventEntry<CTorqueDlg>, 8> kEvents;
};

} // namespace kestrune
