// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A modal dialog built from its template.

#include "platform/CWnd.h"

namespace kestrune::platform {

class CDialog : public CWnd {
public:
    // Without a parent the application's main window, if any, is the dialog's owner.
    explicit CDialog(const DialogTemplate& tmpl, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window, runs OnInitDialog and the modal loop, destroys the window; IDOK or
    // IDCANCEL. Nests inside other modal loops.
    int DoModal();
    // Ends the modal loop with the result.
    void EndDialog(int result);

protected:
    // BN_CLICKED of IDOK runs OnOK, of IDCANCEL OnCancel. A derived class's OnCommand passes
    // what its own table does not handle on to this one.
    bool OnCommand(int controlId, Notification code) override;
    // The OK button (id 1), or Enter while no other push button has the focus.
    // Base: UpdateData(true), then EndDialog(IDOK).
    virtual void OnOK();
    // The Cancel button (id 2), Esc or the close box. Base: EndDialog(IDCANCEL).
    virtual void OnCancel();

private:
    const DialogTemplate* template_;
    CWnd* parent_;
};

} // namespace kestrune::platform
