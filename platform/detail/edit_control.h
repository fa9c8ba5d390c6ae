// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The edit box: EN_UPDATE on every change of its text, typed or set by the program (but for
// showText), and EN_SETFOCUS when the user enters it (not when its window becomes active again).
// With style Number it takes digits only, with Decimal numbers written with a point (see
// TypingRule). With ReadOnly it shows a result: the user can select and copy its text but never
// change it. It takes text of any length.

#include "platform/win_constants.h"

#include <QLineEdit>
#include <functional>

namespace kestrune::platform::detail {

class TypingRule;

class EditControl final : public QLineEdit {
public:
    EditControl(unsigned style, QWidget* parent);

    void setNotifier(std::function<void(Notification)> notify) { notify_ = std::move(notify); }
    // Sets the text and raises EN_UPDATE, even when the text stays the same.
    void setWindowText(const QString& text);
    // Sets the text without raising EN_UPDATE; the same text again changes nothing at all.
    void showText(const QString& text);
    // See Edit::SetRefusalTip.
    void setRefusalTip(const QString& tip);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void tell(Notification code) const;

    std::function<void(Notification)> notify_;
    TypingRule* rule_ = nullptr; // what its style lets the user type; null: any text
    bool quiet_ = false;         // the text changing now is the program's showText
};

} // namespace kestrune::platform::detail
