// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/OnHelpClicked.h"

#include "platform/CWinApp.h"
#include "ui/help_contexts.h"

namespace kestrune {

void OnHelpClicked() {
    if (platform::CWinApp* app = platform::AfxGetApp()) {
        app->WinHelp(kHelpApplication, platform::HELP_CONTEXT);
    }
}

} // namespace kestrune
