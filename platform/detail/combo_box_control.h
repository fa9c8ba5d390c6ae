// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A drop-down list with an edit field: the user picks an entry (CBN_SELCHANGE, also when the
// arrow keys step to another) or types any text (CBN_EDITCHANGE); the program's changes raise
// neither. Typing never inserts or selects an entry by itself, and completes one only with style
// AutoComplete. With style Number the edit field takes digits only, as a Number edit does.

#include "platform/win_constants.h"

#include <QComboBox>
#include <functional>

namespace kestrune::platform::detail {

class ComboBoxControl final : public QComboBox {
public:
    ComboBoxControl(unsigned style, QWidget* parent);

    void setNotifier(std::function<void(Notification)> notify) { notify_ = std::move(notify); }
    // The entry whose text the edit field shows, -1 when it shows none.
    int curSel() const;

private:
    void tell(Notification code) const;

    std::function<void(Notification)> notify_;
};

} // namespace kestrune::platform::detail
