// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Motor Weight page: size a motor to a contest class's weight limit, with its turns and torque.

#include "platform/CPropertyPage.h"

namespace kestrune {

class CMotorWeightDlg : public platform::CPropertyPage {
public:
    CMotorWeightDlg();
};

} // namespace kestrune
