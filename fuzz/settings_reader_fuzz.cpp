// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Any bytes as kes.cfg: the reader must give six finite constants, and what it gives must
// survive a save and a new start unchanged (the file's own rounding aside).

#include "settings/settings_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kestrune;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CalibrationTable table = parseSettings(text);
    for (const auto* column : {&table.turns, &table.torque}) {
        for (double constant : *column) {
            if (!std::isfinite(constant))
                std::abort();
        }
    }
    // Saving and loading again is stable after the first rounding.
    const std::string saved = formatSettings(table);
    const std::string again = formatSettings(parseSettings(saved));
    if (formatSettings(parseSettings(again)) != again)
        std::abort();
    return 0;
}
