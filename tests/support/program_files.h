// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The program's own files in the start folder (a temporary folder for the widget tests).

#include "batches/batch_log_file.h"
#include "files/file_io.h"
#include "files/start_directory.h"
#include "settings/preferences_file.h"
#include "settings/settings_file.h"

#include <filesystem>

namespace kestrune::test {

inline std::filesystem::path settingsFilePath() {
    return programFilePath(kSettingsFileName);
}
inline std::filesystem::path preferencesFilePath() {
    return programFilePath(kPreferencesFileName);
}
inline std::filesystem::path batchLogFilePath() {
    return programFilePath(kBatchLogFileName);
}

} // namespace kestrune::test
