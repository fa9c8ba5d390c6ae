// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "cli/list_choices.h"

#include "cli/text_match.h"
#include "core/calc_state.h"
#include "core/motor_weight.h"
#include "core/number_text.h"

namespace kestrune {
namespace {

template <typename Entries, typename Text>
std::string joinedEntries(const Entries& entries, Text text) {
    std::string joined;
    for (const auto& entry : entries) {
        if (!joined.empty())
            joined += ", ";
        joined += text(entry);
    }
    return joined;
}

} // namespace

std::optional<int> typeEntry(std::string_view text) {
    for (std::size_t i = 0; i < kRubberTypes.size(); ++i) {
        if (equalsIgnoringCase(text, kRubberTypes[i].listText) ||
            equalsIgnoringCase(text, kRubberTypes[i].shortCode))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<int> widthEntry(std::string_view text) {
    for (std::size_t i = 0; i < kStripWidths.size(); ++i) {
        if (text == kStripWidths[i].listText || text == kStripWidths[i].displayText)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<int> strandsEntry(std::string_view text) {
    const std::optional<int> strands = readWholeNumber(text);
    for (int i = 0; strands && i < kStrandCounts; ++i) {
        if (strandCountAt(i) == *strands)
            return i;
    }
    return std::nullopt;
}

std::optional<int> limitEntry(std::string_view text) {
    const std::optional<int> limit = readWholeNumber(text);
    for (int i = 0; limit && i < kLimitCount; ++i) {
        if (limitAt(i) == *limit)
            return i;
    }
    return std::nullopt;
}

std::optional<int> classEntry(std::string_view text) {
    for (std::size_t i = 0; i < kWeightClasses.size(); ++i) {
        const WeightClass& weightClass = kWeightClasses[i];
        if (equalsIgnoringCase(text, weightClass.listText) ||
            (!weightClass.shortName.empty() && equalsIgnoringCase(text, weightClass.shortName)))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<LengthUnit> unitEntry(std::string_view text) {
    for (std::size_t i = 0; i < kLengthUnitTexts.size(); ++i) {
        if (equalsIgnoringCase(text, kLengthUnitTexts[i]))
            return lengthUnitAt(static_cast<int>(i));
    }
    return std::nullopt;
}

std::string typeEntries() {
    return joinedEntries(kRubberTypes, [](const RubberTypeInfo& type) { return type.listText; });
}

std::string widthEntries() {
    return joinedEntries(kStripWidths, [](const StripWidthInfo& width) { return width.listText; });
}

std::string classEntries() {
    return joinedEntries(kWeightClasses,
                         [](const WeightClass& weightClass) { return weightClass.listText; });
}

} // namespace kestrune
