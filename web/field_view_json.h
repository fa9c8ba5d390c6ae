// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The field page's view as the browser takes it: one JSON object.

#include "field_view.h"

#include <string>

namespace kestrune {

std::string fieldViewJson(const FieldView& view);

} // namespace kestrune
