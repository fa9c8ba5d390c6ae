// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The edit box: EN_UPDATE on every change of its text, typed or set by the program, and
// EN_SETFOCUS when the user enters it (not when its window becomes active again). With style
// Number it takes digits only, typed or pasted (a paste without its surrounding blanks and line
// ends); a refused character leaves the text as it was and shows a short tip saying why.

#include "platform/win_constants.h"

#include <QLineEdit>
#include <functional>

class QLabel;
class QTimer;

namespace kestrune::platform::detail {

class EditControl final : public QLineEdit {
public:
    EditControl(unsigned style, QWidget* parent);

    void setNotifier(std::function<void(Notification)> notify) { notify_ = std::move(notify); }
    // Sets the text and raises EN_UPDATE, even when the text stays the same.
    void setWindowText(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void tell(Notification code) const;
    void showRefusal();
    static const QString& refusalText();

    std::function<void(Notification)> notify_;
    QLabel* tip_ = nullptr;
    QTimer* tipTimer_ = nullptr;
};

} // namespace kestrune::platform::detail
