// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Where a page of the program's own kind goes: to a printer the user chooses, or into PDF bytes.
// The kind of page (a card, a chart with its results) only paints.

#include "platform/print.h"

#include <functional>
#include <string>
#include <string_view>

class QPagedPaintDevice;

namespace kestrune::platform {
class CWnd;
}

namespace kestrune::platform::detail {

// Paints the document on the device's pages; false when it could not.
using PagePainter = std::function<bool(QPagedPaintDevice& device)>;

// Asks for a printer over the parent (or the active window), then prints.
PrintResult printPages(std::string_view title, CWnd* parent, const PagePainter& paint);

// The document as PDF, on A4 or, where the locale measures in US units, Letter; empty when the
// painting failed.
std::string renderPdfPages(std::string_view title, const PagePainter& paint);

} // namespace kestrune::platform::detail
