// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/COptionsDlg.h"

#include "ui/resources/dialog_templates.h"

namespace kestrune {

COptionsDlg::COptionsDlg() : CPropertyPage(dialogTemplate(IDD_OPTIONS)) {}

} // namespace kestrune
