// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once

#include <Qt>

namespace kestrune::platform::detail {

// The user chose to enter the control: a click, Tab or Backtab, or its shortcut. The window
// becoming active again, a popup closing or the program moving the focus is no entry: a page
// that empties a box on entry must not empty it then.
inline bool isDeliberateEntry(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

} // namespace kestrune::platform::detail
