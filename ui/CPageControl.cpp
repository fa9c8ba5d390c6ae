#include "ui/CPageControl.h"

namespace kestrune {

CPageControl::CPageControl(std::string caption, platform::CWnd* parent, int selectPage)
    : CPropertySheet(std::move(caption), parent, selectPage) {
    AddPage(&turns_);
    AddPage(&torque_);
    AddPage(&test_);
    AddPage(&list_);
    AddPage(&options_);
}

CPageControl::~CPageControl() = default;

void CPageControl::WinHelp(unsigned long data, unsigned command) {
    CPropertySheet::WinHelp(data, command);
}

bool CPageControl::OnHelpInfo() {
    return CPropertySheet::OnHelpInfo();
}

} // namespace kestrune
