// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Who the program is: its name on the desktop and in every message's caption, its command and
// application id, its help.

#include "platform/CWinApp.h"

namespace kestrune {

const platform::AppIdentity& appIdentity();

} // namespace kestrune
