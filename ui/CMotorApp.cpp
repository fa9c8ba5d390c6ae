// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CMotorApp.h"

#include "core/calc_state.h"
#include "core/preferences.h"
#include "files/disk_file.h"
#include "files/start_directory.h"
#include "settings/exact_constants.h"
#include "settings/preferences_file.h"
#include "settings/settings_file.h"
#include "ui/CPageControl.h"
#include "ui/CSaveDataDlg.h"
#include "ui/app_identity.h"
#include "ui/file_reports.h"

namespace kestrune {

CMotorApp& theApp() {
    static CMotorApp app;
    return app;
}

CMotorApp::CMotorApp() : CWinApp(appIdentity()) {}

bool CMotorApp::InitInstance() {
    CalcState& state = calcState();
    DiskFile file(programFilePath(kSettingsFileName));
    SettingsLines lines;
    loadReported(
        file, [&] { return loadSettings(state, file, lines); },
        "Kestrune starts with its built-in constants. It leaves the file as it is and asks "
        "before it replaces it.");
    DiskFile prefsFile(programFilePath(kPreferencesFileName));
    loadReported(
        prefsFile, [&] { return loadPreferences(preferences(), prefsFile); },
        "Kestrune starts with its built-in units, strip and winder settings. It leaves the file "
        "as it is and asks before it replaces it.");
    useExactConstants(state.table, lines, preferences().exactConstants);
    {
        CPageControl sheet("Kestrune Ver. X.1F", nullptr, 0);
        m_pMainWnd = &sheet;
        sheet.DoModal();

        // The answer decides, however the sheet was closed: Yes keeps the calibrations of this
        // run, also those made without "Save Value", and the modeller's pages' settings.
        CSaveDataDlg question;
        if (question.DoModal() == platform::IDOK) {
            // kes-prefs.cfg keeps the constants exactly only beside the kes.cfg that holds them.
            if (saveReported(
                    file, [&] { return saveSettings(state, file); },
                    "The calibration constants of this run are lost when Kestrune ends."))
                preferences().exactConstants = exactConstantsOf(state.table);
            saveReported(
                prefsFile, [&] { return savePreferences(preferences(), prefsFile); },
                "The units, strip and winder settings of this run are lost when Kestrune ends.");
        }
        m_pMainWnd = nullptr;
    }
    return false;
}

} // namespace kestrune
