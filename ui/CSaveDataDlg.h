// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The closing question "Save User Data?": Yes (Enter) = IDOK, No (Esc) = IDCANCEL.

#include "platform/CDialog.h"

namespace kestrune {

class CSaveDataDlg : public platform::CDialog {
public:
    CSaveDataDlg();
};

} // namespace kestrune
