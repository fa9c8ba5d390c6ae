// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "settings/exact_constants.h"

namespace kestrune {

void useExactConstants(CalibrationTable& table, const SettingsLines& lines,
                       const ExactConstants& exact) {
    for (std::size_t type = 0; type < table.turns.size(); ++type) {
        for (const auto& [quantity, constant, kept, line] :
             {std::tuple{Quantity::Turns, &table.turns[type], exact.turns[type], lines[type]},
              std::tuple{Quantity::Torque, &table.torque[type], exact.torque[type],
                         lines[table.turns.size() + type]}}) {
            if (kept && line && *line == formatSettingsConstant(quantity, *kept))
                *constant = *kept;
        }
    }
}

} // namespace kestrune
