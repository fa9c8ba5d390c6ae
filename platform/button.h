// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A handle to a push button or check box of a created window, reached by id through CWnd: cheap
// to copy, valid while its window exists.

class QAbstractButton;

namespace kestrune::platform {

class Button {
public:
    explicit Button(QAbstractButton& button) : button_(&button) {}

    // Ticked state of a check box; false for a push button.
    bool GetCheck() const;
    // Raises no notification.
    void SetCheck(bool checked);
    // A disabled button takes no click, no focus and no Enter.
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    // The desktop's Copy key (Ctrl+C) clicks the button while its page is shown, unless the
    // control with the focus copies its own selection.
    void SetCopyShortcut();

private:
    QAbstractButton* button_;
};

} // namespace kestrune::platform
