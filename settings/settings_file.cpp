// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "settings_file.h"

#include "core/number_text.h"
#include "core/text_lines.h"

#include <cmath>

namespace kestrune {

CalibrationTable parseSettings(std::string_view text) {
    CalibrationTable table = kDefaultCalibration;
    double* slots[] = {&table.turns[0],  &table.turns[1],  &table.turns[2],
                       &table.torque[0], &table.torque[1], &table.torque[2]};
    for (double* slot : slots) {
        if (text.empty())
            break;
        const double value = parseNumber(takeLine(text));
        *slot = std::isfinite(value) ? value : 0.0;
    }
    return table;
}

std::string formatSettings(const CalibrationTable& table) {
    std::string text;
    for (double constant : table.turns)
        text += formatFixed(constant, 0) + '\n';
    for (double constant : table.torque)
        text += formatFixed(constant, 2) + '\n';
    return text;
}

FileResult loadSettings(CalcState& state, StoredFile& file) {
    state.turnsMotor = TurnsMotor{.turns = state.turnsMotor.turns};
    state.torqueMotor = TorqueMotor{.torque = state.torqueMotor.torque};
    std::string text;
    FileResult result = file.readLines(text, kSettingsLines, kSettingsReadBytes);
    state.table = result.done() ? parseSettings(text) : kDefaultCalibration;
    return result;
}

FileResult saveSettings(const CalcState& state, StoredFile& file) {
    return file.write(formatSettings(state.table));
}

} // namespace kestrune
