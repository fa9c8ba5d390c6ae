// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "break_test.h"

#include "core/iso_date.h"
#include "core/units.h"

namespace kestrune {

bool isLoggable(const BreakTest& test) {
    // A record longer than a log may be could not be read back.
    return test.batch.size() + test.note.size() < kMaxBatchLogBytes && isIsoDate(test.date) &&
           test.type >= 0 && test.type < kRubberTypeCount &&
           stripWidthInches(test.width).has_value() && test.strands >= kLeastTestStrands &&
           test.strands <= kMostTestStrands && isPositive(test.length) && test.turns >= 1 &&
           (!test.torque || isPositive(*test.torque)) && (!test.weight || isPositive(*test.weight));
}

} // namespace kestrune
