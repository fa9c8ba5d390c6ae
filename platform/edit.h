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

    // Raises EN_UPDATE, even when the text stays the same: a page that recomputes on EN_UPDATE
    // recomputes after its own write too.
    void SetWindowText(std::string_view text);
    // Shows the text without raising any notification, so a page's handlers need not tell its own
    // writes from the user's. When the box shows that text already, nothing changes: the caret
    // and the selection stay where they are.
    void ShowText(std::string_view text);
    std::string GetWindowText() const;
    // Selects from start to end (the caret ends at end); end -1 = to the end, start -1 = none.
    void SetSel(int start, int end);
    void ScrollCaret();
    // The tip a whole-number box shows when a point or a comma typed there is refused, worded for
    // what the box holds; other refused keys keep the usual tip. Empty: the usual tip for all.
    // A box without a typing rule shows no tip.
    void SetRefusalTip(std::string_view tip);

private:
    detail::EditControl* control_;
};

} // namespace kestrune::platform
