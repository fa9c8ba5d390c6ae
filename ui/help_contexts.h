// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Context numbers of the help topics (anchors "context-N" of the help document).

namespace kestrune {

inline constexpr unsigned long kHelpApplication = 1;
inline constexpr unsigned long kHelpCalibrateTurns = 2;
inline constexpr unsigned long kHelpCalibrateTorque = 3;
inline constexpr unsigned long kHelpMotorWeight = 4;
inline constexpr unsigned long kHelpWinding = 5;
inline constexpr unsigned long kHelpBatchLog = 6;
inline constexpr unsigned long kHelpTorqueTest = 7;

} // namespace kestrune
