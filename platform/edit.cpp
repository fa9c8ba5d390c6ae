// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/edit.h"

#include "platform/detail/edit_control.h"
#include "platform/detail/qt_text.h"

#include <algorithm>

namespace kestrune::platform {

void Edit::SetWindowText(std::string_view text) {
    control_->setWindowText(detail::qtText(text));
}

void Edit::ShowText(std::string_view text) {
    control_->showText(detail::qtText(text));
}

std::string Edit::GetWindowText() const {
    return detail::stdText(control_->text());
}

void Edit::SetSel(int start, int end) {
    const int length = static_cast<int>(control_->text().size());
    if (start < 0) {
        control_->deselect();
        return;
    }
    if (end < 0) {
        end = length;
    }
    start = std::min(start, length);
    end = std::min(end, length);
    // A negative length selects backwards, leaving the caret at end.
    control_->setSelection(start, end - start);
}

void Edit::SetRefusalTip(std::string_view tip) {
    control_->setRefusalTip(detail::qtText(tip));
}

void Edit::ScrollCaret() {
    // A line edit always scrolls its caret into view by itself.
}

} // namespace kestrune::platform
