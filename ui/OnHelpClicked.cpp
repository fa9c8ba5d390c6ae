#include "ui/OnHelpClicked.h"

#include "platform/CWinApp.h"

namespace kestrune {

void OnHelpClicked() {
    if (platform::CWinApp* app = platform::AfxGetApp()) {
        app->WinHelp(1, platform::HELP_CONTEXT);
    }
}

} // namespace kestrune
