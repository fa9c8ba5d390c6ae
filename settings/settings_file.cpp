// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "settings_file.h"

#include "core/number_text.h"
#include "core/text_lines.h"

#include <cmath>

namespace kestrune {

namespace {

SettingsLines settingsLines(std::string_view text) {
    SettingsLines lines;
    for (std::optional<std::string>& line : lines) {
        if (text.empty())
            break;
        line = std::string(takeLine(text));
    }
    return lines;
}

CalibrationTable tableOf(const SettingsLines& lines) {
    CalibrationTable table = kDefaultCalibration;
    double* slots[] = {&table.turns[0],  &table.turns[1],  &table.turns[2],
                       &table.torque[0], &table.torque[1], &table.torque[2]};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i])
            continue;
        const double value = parseNumber(*lines[i]);
        *slots[i] = std::isfinite(value) ? value : 0.0;
    }
    return table;
}

} // namespace

CalibrationTable parseSettings(std::string_view text) {
    return tableOf(settingsLines(text));
}

std::string formatSettingsConstant(Quantity quantity, double constant) {
    return formatFixed(constant, quantity == Quantity::Turns ? 0 : 2);
}

std::string formatSettings(const CalibrationTable& table) {
    std::string text;
    for (double constant : table.turns)
        text += formatSettingsConstant(Quantity::Turns, constant) + '\n';
    for (double constant : table.torque)
        text += formatSettingsConstant(Quantity::Torque, constant) + '\n';
    return text;
}

FileResult loadSettings(CalcState& state, StoredFile& file) {
    SettingsLines lines;
    return loadSettings(state, file, lines);
}

FileResult loadSettings(CalcState& state, StoredFile& file, SettingsLines& lines) {
    state.turnsMotor = TurnsMotor{.turns = state.turnsMotor.turns};
    state.torqueMotor = TorqueMotor{.torque = state.torqueMotor.torque};
    std::string text;
    FileResult result = file.readLines(text, kSettingsLines, kSettingsReadBytes);
    lines = result.done() ? settingsLines(text) : SettingsLines{};
    state.table = tableOf(lines);
    return result;
}

FileResult saveSettings(const CalcState& state, StoredFile& file) {
    return file.write(formatSettings(state.table));
}

} // namespace kestrune
