// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Options page: blank, for good.

#include "platform/CPropertyPage.h"

namespace kestrune {

class COptionsDlg : public platform::CPropertyPage {
public:
    COptionsDlg();
};

} // namespace kestrune
