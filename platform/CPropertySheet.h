// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A modal tabbed window of property pages with OK, Cancel and a disabled Apply button.

#include "platform/CWnd.h"

#include <string>
#include <vector>

class QTabWidget;

namespace kestrune::platform {

class CPropertyPage;

class CPropertySheet : public CWnd {
public:
    CPropertySheet(std::string caption, CWnd* parent = nullptr, int selectPage = 0);
    ~CPropertySheet() override;

    // Pages show as tabs in the order added; the sheet does not own them.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(pages_.size()); }

    // Runs the sheet opened on the selected page: IDOK for OK, IDCANCEL for Cancel, Esc and the
    // close box. Every page window is gone when it returns.
    int DoModal();

    // While the sheet runs: the active page's index, and activating another page as a tab
    // click does (leaving the old page, creating or refreshing the new one).
    int GetActiveIndex() const { return active_; }
    bool SetActivePage(int index);

protected:
    // F1 goes to the active page, which asks for its own help context.
    bool OnHelpInfo() override;

private:
    void activate(int index);
    void finish(int result);

    std::string caption_;
    CWnd* parent_;
    int selectPage_;
    std::vector<CPropertyPage*> pages_;
    std::vector<bool> created_;
    QTabWidget* tabs_ = nullptr;
    int active_ = -1;
};

} // namespace kestrune::platform
