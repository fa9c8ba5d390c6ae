// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/CWnd.h"

#include "platform/CWinApp.h"
#include "platform/detail/chart_control.h"
#include "platform/detail/combo_box_control.h"
#include "platform/detail/edit_control.h"
#include "platform/detail/list_box_control.h"
#include "platform/detail/qt_text.h"
#include "platform/detail/seam_calls.h"

#include <QAbstractButton>
#include <QLabel>
#include <cstdio>
#include <cstdlib>

namespace kestrune::platform {

CWnd::~CWnd() = default;

namespace {

// A page asking for a control its template lacks, or before its window exists, is a programming
// error: say which, rather than crash later.
[[noreturn]] void missingControl(const char* wanted, int id) {
    const CWinApp* app = AfxGetApp();
    const bool named = app != nullptr && !app->identity().command.empty();
    std::fprintf(stderr, "%s: no %s with id %d in this window\n",
                 named ? app->identity().command.c_str() : "program", wanted, id);
    std::abort();
}

} // namespace

const CWnd::Control* CWnd::findControl(int id, ControlKind kind) const {
    for (const Control& control : controls_) {
        if (control.id == id && control.kind == kind) {
            return &control;
        }
    }
    return nullptr;
}

ListBox CWnd::GetListBox(int id) {
    const Control* control = findControl(id, ControlKind::ListBox);
    if (control == nullptr) {
        missingControl("list box", id);
    }
    // Both kinds of list box are a list view and a ListBoxControl.
    return ListBox(*dynamic_cast<detail::ListBoxControl*>(control->widget));
}

Edit CWnd::GetEdit(int id) {
    const Control* control = findControl(id, ControlKind::Edit);
    if (control == nullptr) {
        missingControl("edit box", id);
    }
    return Edit(*static_cast<detail::EditControl*>(control->widget));
}

ComboBox CWnd::GetComboBox(int id) {
    const Control* control = findControl(id, ControlKind::ComboBox);
    if (control == nullptr) {
        missingControl("combo box", id);
    }
    return ComboBox(*static_cast<detail::ComboBoxControl*>(control->widget));
}

Button CWnd::GetButton(int id) {
    for (const ControlKind kind :
         {ControlKind::PushButton, ControlKind::DefPushButton, ControlKind::AutoCheckBox}) {
        if (const Control* control = findControl(id, kind)) {
            return Button(*static_cast<QAbstractButton*>(control->widget));
        }
    }
    missingControl("button", id);
}

Chart CWnd::GetChart(int id) {
    const Control* control = findControl(id, ControlKind::Chart);
    if (control == nullptr) {
        missingControl("chart", id);
    }
    return Chart(*static_cast<detail::ChartControl*>(control->widget));
}

void CWnd::SetDlgItemText(int id, std::string_view text) {
    const Control* control = findControl(id, ControlKind::Static);
    if (control == nullptr) {
        missingControl("label", id);
    }
    static_cast<QLabel*>(control->widget)->setText(detail::qtText(text));
}

QWidget* CWnd::GetDlgItem(int id) const {
    for (const Control& control : controls_) {
        if (control.id == id) {
            return control.widget;
        }
    }
    return nullptr;
}

void CWnd::WinHelp(unsigned long data, unsigned /*command*/) {
    detail::requestHelp(data);
}

bool CWnd::OnCommand(int /*controlId*/, Notification /*code*/) {
    return false;
}

bool CWnd::OnHelpInfo() {
    if (CWinApp* app = AfxGetApp()) {
        app->WinHelp(helpContext_, HELP_CONTEXT);
    } else {
        WinHelp(helpContext_, HELP_CONTEXT);
    }
    return true;
}

bool CWnd::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CWnd::DoDataExchange(CDataExchange& /*dx*/) {}

bool CWnd::UpdateData(bool saveAndValidate) {
    CDataExchange dx{saveAndValidate, *this};
    DoDataExchange(dx);
    return true;
}

void DDX_Check(CDataExchange& dx, int controlId, int& value) {
    Button box = dx.window.GetButton(controlId);
    if (dx.saveAndValidate) {
        value = box.GetCheck() ? 1 : 0;
    } else {
        box.SetCheck(value != 0);
    }
}

} // namespace kestrune::platform
