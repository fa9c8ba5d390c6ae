// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Turns a template into widgets, and the Qt dialog behind CDialog and CPropertySheet.

#include "platform/CWnd.h"

#include <QDialog>
#include <QSize>
#include <functional>
#include <vector>

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

struct BuiltControls {
    QSize size; // the surface's size: the template's, or more if a text needs it
    std::vector<QWidget*> tabChain; // the controls that take the focus, in template order
};

// Creates the template's controls on the surface in template order, registers them with the
// window and routes their notifications to its OnCommand while the window is attached. When the
// template has a layout, the controls follow the surface's size from then on.
BuiltControls buildControls(CWnd& owner, QWidget& surface, const DialogTemplate& tmpl);

// The template's size in pixels for the surface's font.
QSize templateSize(const QWidget& surface, const DialogTemplate& tmpl);

// Gives the focus to the first control with a tab stop.
void focusFirstTabStop(const CWnd& owner, const DialogTemplate& tmpl);

// The owner a window without parent gets: the application's main window, unless that is itself.
QWidget* defaultOwner(const CWnd& window, const CWnd* parent);

} // namespace kestrune::platform::detail
