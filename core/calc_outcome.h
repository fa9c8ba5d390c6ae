// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace kestrune {

// What a calculation gives a page to show.
struct CalcOutcome {
    enum class Kind {
        Value,     // text holds the formatted result
        Undefined, // text is "Undefined"
        NoResult,  // nothing to show; text is empty
    };
    Kind kind = Kind::NoResult;
    std::string text;

    bool shows() const { return kind != Kind::NoResult; }
    friend bool operator==(const CalcOutcome&, const CalcOutcome&) = default;
};

inline constexpr const char* kUndefinedText = "Undefined";

} // namespace kestrune
