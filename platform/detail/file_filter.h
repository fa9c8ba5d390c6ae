// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// File dialog filters: "Description|pattern|...||" -> Qt name filters.

#include <QStringList>
#include <string_view>

namespace kestrune::platform::detail {

// Each pair "Motor Lists (*.dta)|*.dta" becomes "Motor Lists (*.dta)"; patterns are separated
// by ';', and "*.*" (every file) becomes "*". A description's own "(...)" is replaced by the
// pattern list, so the name shows what the dialog really filters.
QStringList nameFilters(std::string_view filter);

} // namespace kestrune::platform::detail
