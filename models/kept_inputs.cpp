// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "models/kept_inputs.h"

#include "core/number_text.h"

namespace kestrune {

std::optional<std::string> keptText(const Preferences& preferences, std::string_view key) {
    const auto kept = preferences.keptInputs.find(key);
    if (kept == preferences.keptInputs.end())
        return std::nullopt;
    return kept->second;
}

int keptEntry(const Preferences& preferences, std::string_view key, int count, int fallback) {
    const std::optional<std::string> text = keptText(preferences, key);
    const std::optional<int> entry = text ? readWholeNumber(*text) : std::nullopt;
    return entry && *entry >= 0 && *entry < count ? *entry : fallback;
}

void keepText(Preferences& preferences, std::string_view key, std::string_view text) {
    const auto kept = preferences.keptInputs.find(key);
    if (kept == preferences.keptInputs.end())
        preferences.keptInputs.emplace(key, text);
    else if (kept->second != text)
        kept->second = text;
}

void keepEntry(Preferences& preferences, std::string_view key, int entry) {
    keepText(preferences, key, formatInt(entry));
}

} // namespace kestrune
