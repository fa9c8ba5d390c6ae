// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CBatchLogDlg.h"

#include "ui/help_contexts.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

CBatchLogDlg::CBatchLogDlg() : CPropertyPage(dialogTemplate(IDD_BATCH_LOG)) {
    SetHelpContext(kHelpBatchLog);
}

} // namespace kestrune
