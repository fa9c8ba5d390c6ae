// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Names typed on the command line matched as the lists write them, without regard to case.

#include <string_view>

namespace kestrune {

// Equal but for the case of ASCII letters; never the locale's idea of case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace kestrune
