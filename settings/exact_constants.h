// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The one rule by which a start takes its constants from kes.cfg and kes-prefs.cfg together:
// kes.cfg keeps them rounded ("%.0f" turns, "%.2f" torque), kes-prefs.cfg exactly, and the exact
// one counts only while kes.cfg still says what kes.cfg writes for it.

#include "core/calc_state.h"
#include "core/preferences.h"
#include "settings/settings_file.h"

namespace kestrune {

// Every front end calls this once it has read both files: each slot of the table whose kes.cfg
// line is exactly formatSettingsConstant of the exact constant takes the exact constant. A line
// that says something else (a hand edit), a line kes.cfg does not have, or no exact constant
// leave the slot as kes.cfg gave it.
void useExactConstants(CalibrationTable& table, const SettingsLines& lines,
                       const ExactConstants& exact);

} // namespace kestrune
