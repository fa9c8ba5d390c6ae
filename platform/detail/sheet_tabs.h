// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The tabbed pages of a CPropertySheet.

#include <QTabWidget>

namespace kestrune::platform::detail {

// Every tab stays in sight: the sheet is at least as wide as all its tabs, whole, need. Its tab
// strip is a SheetTabBar.
class SheetTabs final : public QTabWidget {
public:
    explicit SheetTabs(QWidget* parent);
};

} // namespace kestrune::platform::detail
