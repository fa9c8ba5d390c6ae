// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

namespace kestrune {

// The help document (resources/help/kestrune.html, built into the program): HTML whose topics are
// the anchors "context-N" of help_contexts.h.
std::string_view helpDocument();

} // namespace kestrune
