// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/messages.h"

#include "platform/seams.h"
#include "ui/app_identity.h"

namespace kestrune {

void tell(std::string_view text) {
    platform::AfxMessageBox(appIdentity().name, text);
}

bool askYesNo(std::string_view question) {
    return platform::AfxMessageBox(appIdentity().name, question, platform::MB_YESNO) ==
           platform::IDYES;
}

SaveChoice askSaveDiscardCancel(std::string_view question) {
    switch (platform::AfxMessageBox(appIdentity().name, question, platform::MB_SAVEDISCARDCANCEL)) {
    case platform::IDYES:
        return SaveChoice::Save;
    case platform::IDNO:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

} // namespace kestrune
