// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// "Save Value" of a calibration or of "Use": the constants in use into kes.cfg, and exactly into
// kes-prefs.cfg beside it, so that the next start computes with the very same constants.

#include <string_view>

namespace kestrune {

// Writes the calculation state's table into kes.cfg and, once kes.cfg holds it, its exact
// constants into kes-prefs.cfg (every other line of that file as it is). A failure is told, with
// consequence for a failed kes.cfg.
void saveConstantsReported(std::string_view consequence);

} // namespace kestrune
