#include "ui/CMotorApp.h"

#include "core/calc_state.h"
#include "settings/settings_file.h"
#include "ui/CPageControl.h"
#include "ui/CSaveDataDlg.h"
#include "ui/write_failure.h"

namespace kestrune {

CMotorApp& theApp() {
    static CMotorApp app;
    return app;
}

bool CMotorApp::InitInstance() {
    CalcState& state = calcState();
    loadSettings(state, settingsFilePath());
    {
        CPageControl sheet("Kestrune Ver. X.1F", nullptr, 0);
        m_pMainWnd = &sheet;
        const int sheetResult = sheet.DoModal();

        CSaveDataDlg question;
        const int answer = question.DoModal();
        if (sheetResult == platform::IDOK && answer == platform::IDOK) {
            const std::filesystem::path file = settingsFilePath();
            reportWriteFailure(file, saveSettings(state, file),
                               "The calibration constants of this run are lost when Kestrune "
                               "ends.");
        }
        m_pMainWnd = nullptr;
    }
    return false;
}

} // namespace kestrune
