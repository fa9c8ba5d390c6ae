// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Turns a template into widgets on a window's surface and keeps them where the template geometry
// puts them.

#include "platform/CWnd.h"

#include <QSize>
#include <vector>

namespace kestrune::platform::detail {

struct BuiltControls {
    QSize size; // the surface's size: the template's, or more if a text needs it
    std::vector<QWidget*> tabChain; // the controls that take the focus, in template order
};

// Creates the template's controls on the surface in template order, registers them with the
// window and routes their notifications to its OnCommand while the window is attached. From then
// on the controls follow the surface's size and widen for what they show.
BuiltControls buildControls(CWnd& owner, QWidget& surface, const DialogTemplate& tmpl);

// The template's size in pixels for the surface's font.
QSize templateSize(const QWidget& surface, const DialogTemplate& tmpl);

// Gives the focus to the first control with a tab stop.
void focusFirstTabStop(const CWnd& owner, const DialogTemplate& tmpl);

// The owner a window without parent gets: the application's main window, unless that is itself.
QWidget* defaultOwner(const CWnd& window, const CWnd* parent);

} // namespace kestrune::platform::detail
