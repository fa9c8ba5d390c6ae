// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A handle to an edit box of a created window, reached by id through CWnd: cheap to copy, valid
// while its window exists. Text crosses as UTF-8.

#include <string>
#include <string_view>

namespace kestrune::platform {

namespace detail {
class EditControl;
} // namespace detail

class Edit {
public:
    explicit Edit(detail::EditControl& control) : control_(&control) {}

    // Raises EN_UPDATE, even when the text stays the same.
    void SetWindowText(std::string_view text);
    std::string GetWindowText() const;
    // Selects from start to end (the caret ends at end); end -1 = to the end, start -1 = none.
    void SetSel(int start, int end);
    void ScrollCaret();

private:
    detail::EditControl* control_;
};

} // namespace kestrune::platform
