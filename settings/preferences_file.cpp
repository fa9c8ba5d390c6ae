// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "preferences_file.h"

#include "core/number_text.h"
#include "core/text_lines.h"

namespace kestrune {
namespace {

constexpr std::string_view kTurnsConstantKey = "turns-constant.";
constexpr std::string_view kTorqueConstantKey = "torque-constant.";
constexpr std::string_view kInputKey = "input.";
constexpr std::string_view kConstantsBatchKey = "constants-batch.";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// One line's value for a kept input: nothing in it ends the line or is trimmed away as blank.
std::string escapedInput(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\')
            line += "\\\\";
        else if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else if (c == '\t')
            line += "\\t";
        else if (c == ' ' && (i == 0 || i + 1 == text.size()))
            line += "\\s";
        else
            line += c;
    }
    return line;
}

// The text an escaped value stands for; nothing when a backslash starts no escape.
std::optional<std::string> unescapedInput(std::string_view line) {
    std::string text;
    text.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\') {
            text += line[i];
            continue;
        }
        if (++i == line.size())
            return std::nullopt;
        switch (line[i]) {
        case '\\':
            text += '\\';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 't':
            text += '\t';
            break;
        case 's':
            text += ' ';
            break;
        default:
            return std::nullopt;
        }
    }
    return text;
}

// The slot of a constant's key ("turns-constant.2" is Tan Super Sport's turns constant).
std::optional<double>* constantSlot(ExactConstants& exact, std::string_view key) {
    for (const auto& [prefix, slots] : {std::pair{kTurnsConstantKey, &exact.turns},
                                        std::pair{kTorqueConstantKey, &exact.torque}}) {
        if (key.size() == prefix.size() + 1 && key.starts_with(prefix) && key.back() >= '1' &&
            key.back() <= '3')
            return &(*slots)[static_cast<std::size_t>(key.back() - '1')];
    }
    return nullptr;
}

// The type a "constants-batch.2" key is for (Tan Super Sport), or nothing.
std::optional<std::size_t> batchSlot(std::string_view key) {
    if (key.size() == kConstantsBatchKey.size() + 1 && key.starts_with(kConstantsBatchKey) &&
        key.back() >= '1' && key.back() <= '3')
        return static_cast<std::size_t>(key.back() - '1');
    return std::nullopt;
}

// "113.2,2.72,TanII 2024 A": the turns constant, the torque constant or nothing, the batch's
// name escaped as a kept input is (so a comma in it is its own).
std::string batchValue(const ConstantsBatch& batch) {
    return formatShortest(batch.turns) + ',' +
           (batch.torque ? formatShortest(*batch.torque) : std::string()) + ',' +
           escapedInput(batch.batch);
}

std::optional<ConstantsBatch> readBatchValue(std::string_view value) {
    const std::size_t first = value.find(',');
    const std::size_t second = first == std::string_view::npos ? first : value.find(',', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    ConstantsBatch batch;
    const std::optional<double> turns = readCompleteNumber(value.substr(0, first));
    const std::string_view torque = value.substr(first + 1, second - first - 1);
    std::optional<std::string> name = unescapedInput(value.substr(second + 1));
    if (!turns || !name || name->empty())
        return std::nullopt;
    batch.turns = *turns;
    if (!torque.empty()) {
        batch.torque = readCompleteNumber(torque);
        if (!batch.torque)
            return std::nullopt;
    }
    batch.batch = std::move(*name);
    return batch;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Sets the key's value when it is one of ours; false for any other key. A value the setter
// refuses gives the default.
bool applyKnown(Preferences& preferences, std::string_view key, std::string_view value) {
    const std::optional<double> number = readCompleteNumber(value);
    if (key == "units") {
        preferences.setUnits(value == "mm" ? LengthUnit::Millimetre : LengthUnit::Inch);
    } else if (key == "thickness") {
        if (!number || !preferences.setThickness(*number))
            preferences.setThickness(Preferences::kDefaultThickness);
    } else if (key == "density") {
        if (!number || !preferences.setDensity(*number))
            preferences.setDensity(Preferences::kDefaultDensity);
    } else if (key == "winder-ratio") {
        const std::optional<int> ratio = readWholeNumber(value);
        if (!ratio || !preferences.setWinderRatio(*ratio))
            preferences.setWinderRatio(Preferences::kDefaultWinderRatio);
    } else if (key == "stretch") {
        if (!number || !preferences.setStretch(*number))
            preferences.setStretch(Preferences::kDefaultStretch);
    } else if (std::optional<double>* slot = constantSlot(preferences.exactConstants, key)) {
        *slot = number;
    } else if (const std::optional<std::size_t> type = batchSlot(key)) {
        preferences.constantsBatches[*type] = readBatchValue(value);
    } else if (key.starts_with(kInputKey) && isKeptInputKey(key.substr(kInputKey.size()))) {
        const std::string inputKey(key.substr(kInputKey.size()));
        if (std::optional<std::string> input = unescapedInput(value))
            preferences.keptInputs[inputKey] = std::move(*input);
        else
            preferences.keptInputs.erase(inputKey);
    } else {
        return false;
    }
    return true;
}

} // namespace

Preferences parsePreferences(std::string_view text) {
    Preferences preferences;
    while (!text.empty()) {
        const std::string_view line = takeLine(text);
        if (line.empty())
            continue;
        const std::size_t equals = line.find('=');
        const bool known = equals != std::string_view::npos &&
                           applyKnown(preferences, trimmed(line.substr(0, equals)),
                                      trimmed(line.substr(equals + 1)));
        if (!known)
            preferences.otherLines.emplace_back(line);
    }
    return preferences;
}

std::string formatPreferences(const Preferences& preferences) {
    std::string text = "units=";
    text += kLengthUnitTexts[static_cast<std::size_t>(lengthUnitIndex(preferences.units()))];
    text += "\nthickness=" + formatShortest(preferences.thickness());
    text += "\ndensity=" + formatShortest(preferences.density());
    text += "\nwinder-ratio=" + formatInt(preferences.winderRatio());
    text += "\nstretch=" + formatShortest(preferences.stretch());
    text += '\n';
    for (const auto& [prefix, slots] :
         {std::pair{kTurnsConstantKey, &preferences.exactConstants.turns},
          std::pair{kTorqueConstantKey, &preferences.exactConstants.torque}}) {
        for (std::size_t i = 0; i < slots->size(); ++i) {
            if ((*slots)[i])
                text += std::string(prefix) + formatInt(static_cast<int>(i) + 1) + '=' +
                        formatShortest(*(*slots)[i]) + '\n';
        }
    }
    // A batch is kept only with the constants it gave: once they changed, it gave none.
    for (std::size_t i = 0; i < preferences.constantsBatches.size(); ++i) {
        const std::optional<ConstantsBatch>& batch = preferences.constantsBatches[i];
        if (batch && holdsBatchConstants(preferences.exactConstants, static_cast<int>(i), *batch))
            text += std::string(kConstantsBatchKey) + formatInt(static_cast<int>(i) + 1) + '=' +
                    batchValue(*batch) + '\n';
    }
    for (const auto& [key, input] : preferences.keptInputs) {
        if (isKeptInputKey(key))
            text += std::string(kInputKey) + key + '=' + escapedInput(input) + '\n';
    }
    for (const std::string& line : preferences.otherLines)
        text += line + '\n';
    return text;
}

FileResult loadPreferences(Preferences& preferences, StoredFile& file) {
    std::string text;
    FileResult result = file.read(text, kMaxPreferencesFileBytes);
    preferences = result.done() ? parsePreferences(text) : Preferences();
    return result;
}

FileResult savePreferences(const Preferences& preferences, StoredFile& file) {
    return file.write(formatPreferences(preferences));
}

FileResult saveExactConstants(const CalibrationTable& table, const ConstantsBatches& batches,
                              StoredFile& file) {
    Preferences onDisk;
    if (FileResult read = loadPreferences(onDisk, file); read.failed())
        return read;
    onDisk.exactConstants = exactConstantsOf(table);
    onDisk.constantsBatches = batches;
    return savePreferences(onDisk, file);
}

} // namespace kestrune
