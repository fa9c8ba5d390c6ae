// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CSaveDataDlg.h"

#include "ui/resources/dialog_templates.h"

namespace kestrune {

CSaveDataDlg::CSaveDataDlg() : CDialog(dialogTemplate(IDD_SAVE_DATA)) {}

} // namespace kestrune
