// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CTestDlg.h"

#include "ui/resources/dialog_templates.h"

namespace kestrune {

CTestDlg::CTestDlg() : CPropertyPage(dialogTemplate(IDD_TEST)) {}

} // namespace kestrune
