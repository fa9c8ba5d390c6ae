// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A page's inputs kept in the preferences between runs: box texts as typed, list entries by index.

#include "core/preferences.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

// The kept text, or nothing when none is kept.
std::optional<std::string> keptText(const Preferences& preferences, std::string_view key);
// The kept entry of a list of count entries, or fallback when none is kept or it is no entry.
int keptEntry(const Preferences& preferences, std::string_view key, int count, int fallback);

void keepText(Preferences& preferences, std::string_view key, std::string_view text);
void keepEntry(Preferences& preferences, std::string_view key, int entry);

} // namespace kestrune
