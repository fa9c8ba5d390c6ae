// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Lays a card out on the pages of a printer or PDF writer and paints it.

#include "platform/detail/card_layout.h"
#include "platform/print.h"

class QPaintDevice;
class QPagedPaintDevice;

namespace kestrune::platform::detail {

// The printout laid out for the device's printable area and measured in its fonts.
CardLayout layCardFor(const QPaintDevice& device, const Printout& printout);

// Paints the card in black: the title large and bold, the lines, the table across the page with
// its heads in bold between thin rules, the footer; on further pages when it needs them. False
// when the device could not be painted on.
bool paintPrintout(QPagedPaintDevice& device, const Printout& printout);

} // namespace kestrune::platform::detail
