// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Help button of the Breaking Turns, Breaking Torque and List pages: the application's help
// at context number 1.

namespace kestrune {

// Asks the application object for the help topic with context number 1.
void OnHelpClicked();

// Mixin for a page: gives it the member OnHelpClicked that its event table binds to its Help
// button, e.g. {IDC_HELP, BN_CLICKED, &CTurnsDlg::OnHelpClicked}.
class HelpButtonHandler {
protected:
    void OnHelpClicked() { ::kestrune::OnHelpClicked(); }
};

} // namespace kestrune
