// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Test page: blank, for good.

#include "platform/CPropertyPage.h"

namespace kestrune {

class CTestDlg : public platform::CPropertyPage {
public:
    CTestDlg();
};

} // namespace kestrune
