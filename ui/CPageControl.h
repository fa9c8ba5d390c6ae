// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The page sheet: the five pages of the calculator, then the modeller's three, in tab order.

#include "platform/CPropertySheet.h"
#include "ui/CBatchLogDlg.h"
#include "ui/CListDlg.h"
#include "ui/CMotorWeightDlg.h"
#include "ui/COptionsDlg.h"
#include "ui/CTestDlg.h"
#include "ui/CTorqueDlg.h"
#include "ui/CTorqueTestDlg.h"
#include "ui/CTurnsDlg.h"
#include "ui/CWindingDlg.h"

#include <string>

namespace kestrune {

class CPageControl : public platform::CPropertySheet {
public:
    // Help requests and F1 take the sheet's default treatment: the application's help topic.
    CPageControl(std::string caption, platform::CWnd* parent, int selectPage);

private:
    CTurnsDlg turns_;
    CTorqueDlg torque_;
    CTestDlg test_;
    CListDlg list_;
    COptionsDlg options_;
    CMotorWeightDlg motorWeight_;
    CWindingDlg winding_;
    CBatchLogDlg batchLog_;
    CTorqueTestDlg torqueTest_;
};

} // namespace kestrune
