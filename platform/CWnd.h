// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The base of every window: controls reached by id, notifications delivered to OnCommand,
// data exchange and the help request.
//
// A window's class binds notifications to handlers with an event table, the one place where
// its controls meet its handlers:
//
//     class CTurnsDlg : public CPropertyPage {
//         void OnWidthSelChange();
//         static constexpr std::array<EventEntry<CTurnsDlg>, 1> kEvents{{
//             {IDC_WIDTH, LBN_SELCHANGE, &CTurnsDlg::OnWidthSelChange},
//         }};
//         bool OnCommand(int id, Notification code) override {
//             return dispatchEvent(*this, kEvents, id, code) || CPropertyPage::OnCommand(id, code);
//         }
//     };

#include "platform/button.h"
#include "platform/chart.h"
#include "platform/combo_box.h"
#include "platform/dialog_template.h"
#include "platform/edit.h"
#include "platform/list_box.h"
#include "platform/win_constants.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

class QWidget;

namespace kestrune::platform {

struct CDataExchange;
namespace detail {
struct WindowAccess;
}

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The control must exist (the window is created and the template has the id); a missing
    // control is a programming error and ends the program with a message.
    ListBox GetListBox(int id);
    Edit GetEdit(int id);
    ComboBox GetComboBox(int id);
    Button GetButton(int id);
    Chart GetChart(int id);
    // A label's text, for a Static with an id of its own (a unit beside a box). The label keeps
    // the width its template text gave it.
    void SetDlgItemText(int id, std::string_view text);
    // The control's widget, nullptr when there is none (for the layer and tests).
    QWidget* GetDlgItem(int id) const;

    // The Qt window while it exists, else nullptr (for the layer and tests).
    QWidget* widget() const { return window_; }

    // Shows the help topic with the context number: through the help seam.
    virtual void WinHelp(unsigned long data, unsigned command = HELP_CONTEXT);

    // The topic F1 asks for in this window; 1, the application's topic, unless set.
    void SetHelpContext(unsigned long context) { helpContext_ = context; }
    unsigned long GetHelpContext() const { return helpContext_; }

protected:
    // A control's notification; true = handled. The base handles nothing.
    virtual bool OnCommand(int controlId, Notification code);
    // F1 in this window: asks the application's WinHelp for GetHelpContext().
    virtual bool OnHelpInfo();
    // Runs once when the window (a dialog, or a page on its first activation) has been created.
    // Base: UpdateData(false); true = the layer gives the focus to the first tab stop.
    virtual bool OnInitDialog();
    // Base: nothing.
    virtual void DoDataExchange(CDataExchange& dx);
    // Runs DoDataExchange from the controls (true) or toward them (false).
    bool UpdateData(bool saveAndValidate = true);

private:
    friend struct detail::WindowAccess;
    struct Control {
        int id;
        ControlKind kind;
        QWidget* widget;
    };
    const Control* findControl(int id, ControlKind kind) const;

    QWidget* window_ = nullptr;
    std::vector<Control> controls_;
    unsigned long helpContext_ = 1;
};

// One row of a window class's event table: a control's notification and its handler.
template <class T> struct EventEntry {
    int controlId;
    Notification code;
    void (T::*handler)();
};

// Runs the first matching entry of a class's event table; false when none matches.
template <class T, std::size_t N>
bool dispatchEvent(T& self, const std::array<EventEntry<T>, N>& table, int id, Notification code) {
    for (const EventEntry<T>& entry : table) {
        if (entry.controlId == id && entry.code == code) {
            (self.*entry.handler)();
            return true;
        }
    }
    return false;
}

// The direction of a data exchange and the window whose controls take part.
struct CDataExchange {
    bool saveAndValidate; // true: from the controls into the variables
    CWnd& window;
};

// A check box's ticked state <-> 0 or 1.
void DDX_Check(CDataExchange& dx, int controlId, int& value);

} // namespace kestrune::platform
