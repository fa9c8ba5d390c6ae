// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/save_constants.h"

#include "core/calc_state.h"
#include "core/preferences.h"
#include "files/disk_file.h"
#include "files/start_directory.h"
#include "settings/preferences_file.h"
#include "settings/settings_file.h"
#include "ui/file_reports.h"

namespace kestrune {

void saveConstantsReported(std::string_view consequence) {
    const CalcState& state = calcState();
    DiskFile settings(programFilePath(kSettingsFileName));
    // Exact constants beside a kes.cfg that does not hold them would be taken for it at the next
    // start wherever their rounding matches its old lines.
    if (!saveReported(
            settings, [&] { return saveSettings(state, settings); }, consequence))
        return;
    DiskFile prefs(programFilePath(kPreferencesFileName));
    if (saveReported(
            prefs,
            [&] { return saveExactConstants(state.table, preferences().constantsBatches, prefs); },
            "kes.cfg keeps the new constants, rounded as it writes them (whole turns constants, "
            "torque constants to 0.01): the next start computes with those."))
        preferences().exactConstants = exactConstantsOf(state.table);
}

} // namespace kestrune
