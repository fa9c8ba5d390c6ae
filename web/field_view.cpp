// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "field_view.h"

namespace kestrune {

const std::string* FieldView::text(std::string_view id) const {
    for (const auto& [key, value] : texts)
        if (key == id)
            return &value;
    return nullptr;
}

} // namespace kestrune
