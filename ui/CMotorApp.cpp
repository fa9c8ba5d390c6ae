// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CMotorApp.h"

#include "core/calc_state.h"
#include "core/preferences.h"
#include "settings/preferences_file.h"
#include "settings/settings_file.h"
#include "ui/CPageControl.h"
#include "ui/CSaveDataDlg.h"
#include "ui/file_reports.h"
#include "ui/resources/help_document.h"

namespace kestrune {

CMotorApp& theApp() {
    static CMotorApp app;
    return app;
}

CMotorApp::CMotorApp()
    : CWinApp({.name = "Kestrune",
               .command = "kestrune",
               .applicationId = "org.kestrune.Kestrune",
               .helpTitle = "Kestrune Help",
               .helpDocument = helpDocument()}) {}

bool CMotorApp::InitInstance() {
    CalcState& state = calcState();
    const std::filesystem::path file = settingsFilePath();
    reportReadResult(file, loadSettings(state, file),
                     "Kestrune starts with its built-in constants. It leaves the file as it is "
                     "and asks before it replaces it.");
    const std::filesystem::path prefsFile = preferencesFilePath();
    reportReadResult(prefsFile, loadPreferences(preferences(), prefsFile),
                     "Kestrune starts with its built-in units, strip and winder settings. It "
                     "leaves the file as it is and asks before it replaces it.");
    {
        CPageControl sheet("Kestrune Ver. X.1F", nullptr, 0);
        m_pMainWnd = &sheet;
        sheet.DoModal();

        // The answer decides, however the sheet was closed: Yes keeps the calibrations of this
        // run, also those made without "Save Value", and the modeller's pages' settings.
        CSaveDataDlg question;
        if (question.DoModal() == platform::IDOK) {
            if (mayReplace(file))
                reportWriteFailure(file, saveSettings(state, file),
                                   "The calibration constants of this run are lost when Kestrune "
                                   "ends.");
            if (mayReplace(prefsFile))
                reportWriteFailure(prefsFile, savePreferences(preferences(), prefsFile),
                                   "The units, strip and winder settings of this run are lost "
                                   "when Kestrune ends.");
        }
        m_pMainWnd = nullptr;
    }
    return false;
}

} // namespace kestrune
