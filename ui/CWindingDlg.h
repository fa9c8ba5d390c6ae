// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Winding page: the card a modeller winds one motor to at the field.

#include "platform/CPropertyPage.h"

namespace kestrune {

class CWindingDlg : public platform::CPropertyPage {
public:
    CWindingDlg();
};

} // namespace kestrune
