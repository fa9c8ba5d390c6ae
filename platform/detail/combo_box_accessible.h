// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What assistive technology reads of a combo box. On Linux, Qt names a combo box after its
// current entry, whatever name it was given; this layer's combo box is named by its label, as
// every control is, and its entry is its value.

namespace kestrune::platform::detail {

// Makes every ComboBoxControl answer with ComboBoxAccessible; once per process, before the first
// one is asked.
void installComboBoxAccessible();

} // namespace kestrune::platform::detail
