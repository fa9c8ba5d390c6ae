// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "torque_test.h"

#include "break_test.h"
#include "core/iso_date.h"
#include "core/units.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kestrune {
namespace {

constexpr std::array<std::string_view, 3> kSourceTexts{
    "typed", "meter log", "meter log, turns assumed at a constant rate"};

} // namespace

std::string_view torqueSourceText(TorqueSource source) {
    return kSourceTexts.at(static_cast<std::size_t>(source));
}

std::optional<TorqueSource> torqueSourceOfText(std::string_view text) {
    const auto found = std::find(kSourceTexts.begin(), kSourceTexts.end(), text);
    if (found == kSourceTexts.end())
        return std::nullopt;
    return static_cast<TorqueSource>(found - kSourceTexts.begin());
}

bool isKeepable(const TorqueTest& test) {
    const auto finiteReading = [](const TorqueReading& reading) {
        return std::isfinite(reading.turns) && std::isfinite(reading.torque);
    };
    return test.batch.size() + test.note.size() < kMaxBatchLogBytes && isIsoDate(test.date) &&
           test.type >= 0 && test.type < kRubberTypeCount &&
           stripWidthInches(test.width).has_value() && test.strands >= kLeastTestStrands &&
           test.strands <= kMostTestStrands && isPositive(test.length) &&
           isPositive(test.winderRatio) && (!test.weight || isPositive(*test.weight)) &&
           !test.readings.empty() &&
           std::all_of(test.readings.begin(), test.readings.end(), finiteReading);
}

std::size_t windingEnd(const std::vector<TorqueReading>& readings) {
    std::size_t mostFirst = 0;
    for (std::size_t i = 1; i < readings.size(); ++i) {
        if (readings[i].turns > readings[mostFirst].turns)
            mostFirst = i;
    }
    return mostFirst;
}

} // namespace kestrune
