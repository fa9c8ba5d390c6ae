// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The constants and preferences a run computes with, read from kes.cfg and kes-prefs.cfg as the
// window reads them at its start. Nothing is ever written.

#include "core/calc_state.h"
#include "core/preferences.h"
#include "core/stored_file.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kestrune {

// The file at a path, as the run reads it (on disk, or in memory for a test).
using FileOpener = std::function<std::unique_ptr<StoredFile>(const std::string& path)>;

struct CalcSetup {
    CalcState state;
    Preferences preferences;
    // Files that could not be read, each a line for standard error; the run computes with the
    // built-in values instead, as the window starts with them.
    std::vector<std::string> unread;
};

// kes.cfg and kes-prefs.cfg of the current folder, or the constants of the kes.cfg named (with
// the exact ones of the kes-prefs.cfg beside it). A kes.cfg named that is not there or cannot be
// read gives no setup but the line to say so.
std::variant<CalcSetup, std::string> loadCalcSetup(const std::optional<std::string>& constants,
                                                   const FileOpener& open);

} // namespace kestrune
