// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "calc_page_model.h"

#include "core/breaking_torque.h"
#include "core/breaking_turns.h"
#include "core/number_text.h"

namespace kestrune {

CalcPageModel::CalcPageModel(CalcState& state, Quantity quantity)
    : state_(state), quantity_(quantity) {}

double& CalcPageModel::constant() {
    return quantity_ == Quantity::Turns ? state_.turnsConstant : state_.torqueConstant;
}

void CalcPageModel::start() {
    if (quantity_ == Quantity::Turns) {
        state_.turnsConstant = state_.table.turns[TanII];
        state_.currentType = TanII;
    } else {
        // First shown after the Breaking Turns page may have chosen another type.
        state_.torqueConstant =
            state_.table.torque[static_cast<std::size_t>(startingType(state_.currentType))];
    }
    pageType_ = state_.currentType;
    started_ = true;
    (quantity_ == Quantity::Turns ? state_.turnsConstantType : state_.torqueConstantType) =
        state_.currentType;
}

std::optional<std::string> CalcPageModel::recompute(const CalcPageInputs& inputs) {
    const double width = stripWidthInches(inputs.width).value_or(0.0);
    const double strands = inputs.strands < 0 ? 0.0 : strandCountAt(inputs.strands);
    const double limit = inputs.limit < 0 ? 0.0 : limitAt(inputs.limit);
    if (quantity_ == Quantity::Torque)
        return computeBreakingTorque(state_, width, strands, limit, inputs.useVorlick).text;
    CalcOutcome outcome = computeBreakingTurns(state_, width, strands, limit,
                                               parseNumber(inputs.length), inputs.useVorlick);
    if (!outcome.shows())
        return std::nullopt;
    return std::move(outcome.text);
}

void CalcPageModel::left() {
    if (started_)
        constantLeft_ = constant();
}

bool CalcPageModel::shownAgain() {
    if (!started_)
        return false;
    if (state_.currentType != pageType_) {
        selectRubberType(state_, quantity_, state_.currentType);
        pageType_ = state_.currentType;
        return true;
    }
    return constant() != constantLeft_;
}

void CalcPageModel::chooseType(int type) {
    selectRubberType(state_, quantity_, type);
    pageType_ = type;
}

void CalcPageModel::useDefault(int type) {
    const auto fallback =
        quantity_ == Quantity::Turns ? defaultTurnsConstant(type) : defaultTorqueConstant(type);
    if (fallback)
        constant() = *fallback;
}

} // namespace kestrune
