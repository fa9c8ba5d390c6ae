// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A handle to a combo box of a created window, reached by id through CWnd: cheap to copy, valid
// while its window exists. Text crosses as UTF-8.

#include <string>
#include <string_view>

namespace kestrune::platform {

namespace detail {
class ComboBoxControl;
} // namespace detail

class ComboBox {
public:
    explicit ComboBox(detail::ComboBoxControl& control) : control_(&control) {}

    // Takes the entries away and empties the edit field.
    void ResetContent();
    // Index of the new entry, appended.
    int AddString(std::string_view text);
    int GetCount() const;
    // The entry's text; empty when index is out of range.
    std::string GetLBText(int index) const;
    // The entry the edit field shows, -1 when its text is no entry's.
    int GetCurSel() const;
    // Shows the entry in the edit field; -1 (or an index out of range) empties it. Raises no
    // notification.
    void SetCurSel(int index);
    // The edit field's text. Setting it raises no notification.
    std::string GetWindowText() const;
    void SetWindowText(std::string_view text);

private:
    detail::ComboBoxControl* control_;
};

} // namespace kestrune::platform
