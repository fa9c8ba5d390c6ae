// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// One page of a CPropertySheet; its window is created on the page's first activation.

#include "platform/CWnd.h"
#include "platform/enter_key.h"

namespace kestrune::platform {

class CPropertyPage : public CWnd {
public:
    // The tab caption is the template's caption.
    explicit CPropertyPage(const DialogTemplate& tmpl);
    ~CPropertyPage() override;

    const DialogTemplate& GetTemplate() const { return *template_; }

    // OnInitDialog, DoDataExchange and UpdateData come from CWnd. The sheet runs the data
    // exchange toward the controls inside the base OnInitDialog (first activation) and at each
    // later activation, and from the controls when the page is left or the sheet ends with OK.

protected:
    // Before the sheet closes with OK, every page whose window exists is asked in tab order;
    // false keeps the sheet open as it was. Base: true.
    virtual bool OnApply();
    // The same before it closes with Cancel, Esc or the close box. Base: true.
    virtual bool OnQueryCancel();
    // Enter in the control of that id (-1: none of the page's has the focus), where the control
    // does not take Enter itself. Base: the sheet's OK.
    virtual EnterKey OnEnterKey(int controlId);

private:
    friend class CPropertySheet;
    const DialogTemplate* template_;
};

} // namespace kestrune::platform
