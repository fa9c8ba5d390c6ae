// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CPageControl.h"

namespace kestrune {

CPageControl::CPageControl(std::string caption, platform::CWnd* parent, int selectPage)
    : CPropertySheet(std::move(caption), parent, selectPage) {
    AddPage(&turns_);
    AddPage(&torque_);
    AddPage(&test_);
    AddPage(&list_);
    AddPage(&options_);
    AddPage(&motorWeight_);
    AddPage(&winding_);
    AddPage(&batchLog_);
    AddPage(&torqueTest_);
}

} // namespace kestrune
