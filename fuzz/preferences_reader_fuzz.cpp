// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Any bytes as kes-prefs.cfg: the preferences are ones the pages can compute with, and what is
// written reads back the same.

#include "settings/preferences_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kestrune;
    const Preferences p = parsePreferences({reinterpret_cast<const char*>(data), size});
    if (!(std::isfinite(p.thickness()) && p.thickness() > 0 && std::isfinite(p.density()) &&
          p.density() > 0 && p.winderRatio() >= 1))
        std::abort();
    const std::string saved = formatPreferences(p);
    if (formatPreferences(parsePreferences(saved)) != saved)
        std::abort();
    return 0;
}
