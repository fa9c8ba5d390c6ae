// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Lays a printout out on one page of a printer or PDF writer.

#include "platform/print.h"

class QPaintDevice;

namespace kestrune::platform::detail {

// Paints the printout at the top left of the device's page, in black: the title large and bold,
// the lines, the table with its heads in bold between thin rules, the footer. Everything shrinks
// alike when it would not fit the page otherwise. False when the device could not be painted on.
bool paintPrintout(QPaintDevice& device, const Printout& printout);

} // namespace kestrune::platform::detail
