// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Enter on a page, before the sheet's OK sees it: the page says what it does in the control with
// the focus.

#include "platform/CWnd.h"
#include "platform/enter_key.h"

#include <QObject>
#include <functional>

namespace kestrune::platform::detail {

class EnterKeyFilter final : public QObject {
public:
    // Watches the page's surface; enterKey is the page's answer for a control id.
    EnterKeyFilter(CWnd& page, std::function<EnterKey(int controlId)> enterKey, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int focusedControl() const;

    CWnd& page_;
    std::function<EnterKey(int)> enterKey_;
};

} // namespace kestrune::platform::detail
