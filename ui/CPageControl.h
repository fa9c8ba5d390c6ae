#pragma once
// The page sheet: the five pages, in tab order.

#include "platform/CPropertySheet.h"
#include "ui/CListDlg.h"
#include "ui/COptionsDlg.h"
#include "ui/CTestDlg.h"
#include "ui/CTorqueDlg.h"
#include "ui/CTurnsDlg.h"

#include <string>

namespace kestrune {

class CPageControl : public platform::CPropertySheet {
public:
    CPageControl(std::string caption, platform::CWnd* parent, int selectPage);
    ~CPageControl() override;

    // Passes the request on unchanged.
    void WinHelp(unsigned long data, unsigned command = platform::HELP_CONTEXT) override;

protected:
    // F1: the platform's default treatment.
    bool OnHelpInfo() override;

private:
    CTurnsDlg turns_;
    CTorqueDlg torque_;
    CTestDlg test_;
    CListDlg list_;
    COptionsDlg options_;
};

} // namespace kestrune
