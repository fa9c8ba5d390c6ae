// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/sheet_tabs.h"

#include "platform/detail/sheet_tab_bar.h"

namespace kestrune::platform::detail {

SheetTabs::SheetTabs(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new SheetTabBar(this));
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

} // namespace kestrune::platform::detail
