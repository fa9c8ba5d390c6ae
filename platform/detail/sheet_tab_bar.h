// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The tab strip of a CPropertySheet.

#include <QTabBar>

namespace kestrune::platform::detail {

// A page switch, by a click, the wheel or the keys, never moves the focus into the page shown:
// when the focus was on the page being left it stays on the tab strip, as on the desktop's own
// sheets (entering a page's Length box would empty it).
class SheetTabBar final : public QTabBar {
public:
    explicit SheetTabBar(QWidget* parent);
};

} // namespace kestrune::platform::detail
