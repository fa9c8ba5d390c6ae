// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// kes-prefs.cfg: the modeller's pages' preferences, beside kes.cfg, one "key=value" line each:
//   units=inch|mm, thickness=<inches>, density=<g/cm^3>, winder-ratio=<whole>, stretch=<times>,
//   then the calibration constants exactly, by type (1 Tan II, 2 Tan Super Sport, 3 Tan Sport):
//   turns-constant.1 ... turns-constant.3, torque-constant.1 ... torque-constant.3,
//   the batch "Use" took a type's constants from, while they are the ones it gave:
//   constants-batch.<type>=<turns constant>,<torque constant or nothing>,<batch, escaped as below>,
//   then the pages' kept inputs by key: input.<key>=<text>, the text with "\\" for a backslash,
//   "\n", "\r" and "\t" for line feed, carriage return and tab, and "\s" for a space at either
//   end, so any text is one line and reads back as it was.
// Numbers are written with a point in their shortest exact form. Lines of other keys, and any
// other line, are kept and written back after the known ones.

#include "core/preferences.h"
#include "core/stored_file.h"

#include <string>
#include <string_view>

namespace kestrune {

inline constexpr std::string_view kPreferencesFileName = "kes-prefs.cfg";

// A file of this size holds no preferences but something else: refused rather than kept.
inline constexpr std::size_t kMaxPreferencesFileBytes = std::size_t{1} << 20;

// The preferences a file's text gives. A line ends at LF (carriage returns before it belong to
// the line end); blanks around key and value are ignored; a known key whose value is missing or bad
// gives that key's default (a kept input with a backslash that starts none of the escapes above
// is not kept), and when a key comes twice the last line counts. Empty lines are
// dropped; every other line is kept in otherLines.
Preferences parsePreferences(std::string_view text);

// The file's text: the known keys in the order above (a constant only where there is one), the
// kept inputs by key, then the kept lines.
std::string formatPreferences(const Preferences& preferences);

// Fills preferences from the file, or with the defaults when there is none or it cannot be read
// (the result says why).
FileResult loadPreferences(Preferences& preferences, StoredFile& file);

// Writes them; on failure the old file stays as it was.
FileResult savePreferences(const Preferences& preferences, StoredFile& file);

// The table's constants, and the batches they came from, into the file as it is now, which keeps
// every other line as it was: what a write of kes.cfg during the run adds, before "Save User
// Data?" decides on the rest. A file that is there but cannot be read is not replaced (the
// result says why).
FileResult saveExactConstants(const CalibrationTable& table, const ConstantsBatches& batches,
                              StoredFile& file);

} // namespace kestrune
