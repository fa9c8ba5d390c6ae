// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The layer's own door into the windows' protected operations.

#include "platform/CWnd.h"

namespace kestrune::platform::detail {

struct WindowAccess {
    static bool command(CWnd& window, int id, Notification code) {
        return window.OnCommand(id, code);
    }
    static bool helpInfo(CWnd& window) { return window.OnHelpInfo(); }
    static bool initDialog(CWnd& window) { return window.OnInitDialog(); }
    static bool updateData(CWnd& window, bool save) { return window.UpdateData(save); }

    static void attach(CWnd& window, QWidget* widget) { window.window_ = widget; }
    static void addControl(CWnd& window, int id, ControlKind kind, QWidget* widget) {
        window.controls_.push_back({id, kind, widget});
    }
    // The id of the control that is the widget; -1 for none (or a label).
    static int controlIdOf(const CWnd& window, const QWidget* widget) {
        for (const CWnd::Control& control : window.controls_) {
            if (control.widget == widget)
                return control.id;
        }
        return -1;
    }
    // The window is gone: no control may be reached any more.
    static void detach(CWnd& window) {
        window.window_ = nullptr;
        window.controls_.clear();
    }
};

} // namespace kestrune::platform::detail
