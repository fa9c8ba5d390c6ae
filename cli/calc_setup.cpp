// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "cli/calc_setup.h"

#include "settings/exact_constants.h"
#include "settings/preferences_file.h"
#include "settings/settings_file.h"

#include <filesystem>

namespace kestrune {
namespace {

std::string unreadLine(const StoredFile& file, const FileResult& result, std::string_view instead) {
    return file.name() + ": " + result.reason + "; " + std::string(instead);
}

} // namespace

std::variant<CalcSetup, std::string> loadCalcSetup(const std::optional<std::string>& constants,
                                                   const FileOpener& open) {
    CalcSetup setup;
    const std::string settingsPath = constants.value_or(std::string(kSettingsFileName));
    const std::unique_ptr<StoredFile> settings = open(settingsPath);
    SettingsLines lines;
    const FileResult read = loadSettings(setup.state, *settings, lines);
    if (constants && !read.done())
        return settings->name() + ": " + (read.missing() ? "there is no such file" : read.reason);
    if (read.failed())
        setup.unread.push_back(
            unreadLine(*settings, read, "computing with the built-in constants"));

    const std::unique_ptr<StoredFile> prefs = open(std::string(kPreferencesFileName));
    const FileResult prefsRead = loadPreferences(setup.preferences, *prefs);
    if (prefsRead.failed())
        setup.unread.push_back(
            unreadLine(*prefs, prefsRead, "computing with the built-in units, strip and winder"));

    // The exact constants belong to the kes.cfg beside them.
    const std::filesystem::path beside =
        std::filesystem::path(settingsPath).parent_path() / kPreferencesFileName;
    if (!constants || beside == std::filesystem::path(kPreferencesFileName)) {
        useExactConstants(setup.state.table, lines, setup.preferences.exactConstants);
    } else {
        Preferences other;
        const std::unique_ptr<StoredFile> otherFile = open(beside.string());
        if (loadPreferences(other, *otherFile).done())
            useExactConstants(setup.state.table, lines, other.exactConstants);
    }
    return setup;
}

} // namespace kestrune
