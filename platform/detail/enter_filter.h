// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Keeps Enter from the controls of a window whose template says Enter presses no button: it
// never reaches a push button or the dialog's default button.

#include <QObject>

namespace kestrune::platform::detail {

class EnterFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kestrune::platform::detail
