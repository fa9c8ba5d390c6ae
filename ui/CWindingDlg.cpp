// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CWindingDlg.h"

#include "ui/help_contexts.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

CWindingDlg::CWindingDlg() : CPropertyPage(dialogTemplate(IDD_WINDING)) {
    SetHelpContext(kHelpWinding);
}

} // namespace kestrune
