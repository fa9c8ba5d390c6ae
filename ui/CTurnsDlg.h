// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Breaking Turns page: type, width, strands, limit and length in, breaking turns out,
// recomputed on every change.

#include "ui/CCalcPage.h"

#include <array>

namespace kestrune {

class CTurnsDlg : public CCalcPage {
public:
    CTurnsDlg();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int controlId, platform::Notification code) override;

private:
    void OnLengthSetFocus();
    void OnCalibrateClicked();

    static const std::array<platform::EventEntry<CTurnsDlg>, 10> kEvents;
};

} // namespace kestrune
