// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Qt dialog behind CDialog and CPropertySheet.

#include <QDialog>
#include <functional>

namespace kestrune::platform::detail {

// Esc and the close box ask the window's cancel handling (which may keep it open); F1 asks the
// window's help. A frameless window (a template without title bar) draws its own frame.
class DialogWindow final : public QDialog {
public:
    DialogWindow(QWidget* parent, bool frameless, std::function<void()> cancel,
                 std::function<void()> help);

    void reject() override;
    void end(int result) { QDialog::done(result); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool frameless_;
    std::function<void()> cancel_;
};

} // namespace kestrune::platform::detail
