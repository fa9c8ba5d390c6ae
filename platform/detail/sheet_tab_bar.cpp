// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/sheet_tab_bar.h"

#include <QApplication>

namespace kestrune::platform::detail {

SheetTabBar::SheetTabBar(QWidget* parent) : QTabBar(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Connected before the tab widget connects its own page switch, so this runs first.
    connect(this, &QTabBar::currentChanged, this, [this] {
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && focus != this && parentWidget()->isAncestorOf(focus))
            setFocus(Qt::OtherFocusReason);
    });
}

} // namespace kestrune::platform::detail
