// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A dialog and pages for the platform tests: they record every notification and data exchange.

#include "platform/CDialog.h"
#include "platform/CPropertyPage.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace kestrune::test {

using namespace kestrune::platform;

inline constexpr int kOneLineList = 100; // one row high, with the small arrows
inline constexpr int kRowList = 101;     // several rows, tabs expanded
inline constexpr int kNoSelList = 102;   // one row high, never keeps a selection
inline constexpr int kDigitsEdit = 103;
inline constexpr int kTextEdit = 104;
inline constexpr int kCheckBox = 105;
inline constexpr int kNestedButton = 106;
inline constexpr int kDecimalEdit = 107;
inline constexpr int kResultEdit = 108; // read-only
inline constexpr int kRatioCombo = 109; // digits only in its edit field

inline constexpr unsigned kListStyle =
    style::Border | style::VScroll | style::TabStop | style::Notify | style::NoIntegralHeight;

inline constexpr std::array<ControlTemplate, 20> kTestControls{{
    {IDOK, ControlKind::DefPushButton, "OK", 10, 125, 50, 14, style::TabStop},
    {IDCANCEL, ControlKind::PushButton, "Cancel", 70, 125, 50, 14, style::TabStop},
    {kOneLineList, ControlKind::ListBox, "", 10, 20, 60, 10, kListStyle},
    {-1, ControlKind::Static, "Kind", 10, 10, 30, 8, 0},
    {kRowList, ControlKind::ListBox, "", 80, 20, 100, 40, kListStyle | style::UseTabStops},
    {-1, ControlKind::Static, "Rows", 80, 10, 30, 8, 0},
    {kNoSelList, ControlKind::ListBox, "", 10, 50, 60, 10,
     style::Border | style::TabStop | style::Notify | style::NoSel},
    {-1, ControlKind::Static, "Result", 10, 40, 30, 8, 0},
    {kDigitsEdit, ControlKind::Edit, "", 10, 75, 60, 12,
     style::Border | style::TabStop | style::Number},
    {-1, ControlKind::Static, "Digits", 10, 65, 30, 8, 0},
    {kTextEdit, ControlKind::Edit, "", 80, 75, 60, 12, style::Border | style::TabStop},
    {-1, ControlKind::Static, "Any text", 80, 65, 40, 8, 0},
    {kCheckBox, ControlKind::AutoCheckBox, "Tick me", 150, 75, 45, 10, style::TabStop},
    {kNestedButton, ControlKind::PushButton, "Nested", 130, 125, 50, 14, style::TabStop},
    {kDecimalEdit, ControlKind::Edit, "", 10, 100, 60, 12,
     style::Border | style::TabStop | style::Decimal},
    {-1, ControlKind::Static, "Decimal", 10, 90, 30, 8, 0},
    {kResultEdit, ControlKind::Edit, "", 80, 100, 60, 12,
     style::Border | style::TabStop | style::ReadOnly},
    {-1, ControlKind::Static, "Copy me", 80, 90, 40, 8, 0},
    {kRatioCombo, ControlKind::ComboBox, "", 150, 100, 45, 12,
     style::Border | style::TabStop | style::Number},
    {-1, ControlKind::Static, "Ratio", 150, 90, 30, 8, 0},
}};

inline constexpr DialogTemplate kTestDialog{500, "Test Dialog", 200, 145, 0, kTestControls};

struct Event {
    int id;
    Notification code;
    bool checked; // a check box's state when its BN_CLICKED arrived
    friend bool operator==(const Event&, const Event&) = default;
};

class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(const DialogTemplate& tmpl = kTestDialog, CWnd* parent = nullptr)
        : CDialog(tmpl, parent) {}

    std::vector<Event> events;
    int ticked = 1;                                              // exchanged with kCheckBox
    std::function<void(RecordingDialog&)> afterInit;             // runs at the end of OnInitDialog
    std::function<void(RecordingDialog&)> onNested;              // the "Nested" button
    std::function<void(RecordingDialog&, const Event&)> onEvent; // after it is recorded

    int count(int id, Notification code) const {
        int n = 0;
        for (const Event& event : events) {
            n += event.id == id && event.code == code ? 1 : 0;
        }
        return n;
    }

protected:
    bool OnInitDialog() override {
        const bool result = CDialog::OnInitDialog();
        if (afterInit) {
            afterInit(*this);
        }
        return result;
    }
    void DoDataExchange(CDataExchange& dx) override {
        if (GetDlgItem(kCheckBox) != nullptr) {
            DDX_Check(dx, kCheckBox, ticked);
        }
    }
    bool OnCommand(int id, Notification code) override {
        const bool checked = code == BN_CLICKED && id == kCheckBox && GetButton(id).GetCheck();
        events.push_back({id, code, checked});
        if (onEvent) {
            onEvent(*this, events.back());
        }
        if (id == kNestedButton && code == BN_CLICKED && onNested) {
            onNested(*this);
            return true;
        }
        return CDialog::OnCommand(id, code);
    }
};

} // namespace kestrune::test
