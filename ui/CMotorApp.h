// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The application object: loads the settings, runs the page sheet, asks whether to save.

#include "platform/CWinApp.h"

namespace kestrune {

class CMotorApp : public platform::CWinApp {
public:
    CMotorApp();

    // The whole run of the program; always false, so the program ends when it returns.
    bool InitInstance() override;
};

// The program's one application object.
CMotorApp& theApp();

} // namespace kestrune
