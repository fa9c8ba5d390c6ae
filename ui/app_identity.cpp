// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/app_identity.h"

#include "ui/resources/help_document.h"

namespace kestrune {

const platform::AppIdentity& appIdentity() {
    static const platform::AppIdentity identity{.name = "Kestrune",
                                                .command = "kestrune",
                                                .applicationId = "org.kestrune.Kestrune",
                                                .helpTitle = "Kestrune Help",
                                                .helpDocument = helpDocument()};
    return identity;
}

} // namespace kestrune
