// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "models/shared_motor.h"

namespace kestrune {

bool sameMotorToWind(const MotorToWind& a, const MotorToWind& b) {
    if (a.sized || b.sized)
        return a.sized == b.sized;
    return sameMotorToWind(a.turns, b.turns);
}

WindingMotor withMotorToWind(WindingMotor motor, const MotorToWind& toWind) {
    if (!toWind.sized)
        return withTurnsMotor(motor, toWind.turns);
    const SizedMotor& sized = *toWind.sized;
    if (sized.type >= 0 && sized.type < kRubberTypeCount)
        motor.type = sized.type;
    if (sized.width >= 0 && sized.width < kStripWidthCount)
        motor.width = sized.width;
    if (sized.strands >= strandCountAt(0) && sized.strands <= strandCountAt(kStrandCounts - 1))
        motor.strands = sized.strands;
    if (isCardLength(sized.length))
        motor.length = sized.length;
    return motor;
}

void SharedMotor::size(const SizedMotor& motor, const TurnsMotor& turnsNow) {
    if (sized_ == motor)
        return;
    sized_ = motor;
    turnsWhenSized_ = turnsNow;
}

MotorToWind SharedMotor::toWind(const TurnsMotor& turnsNow) const {
    const bool sizedLast = sized_ && sameMotorToWind(turnsWhenSized_, turnsNow);
    return {sizedLast ? sized_ : std::nullopt, turnsNow};
}

SharedMotor& sharedMotor() {
    static SharedMotor instance;
    return instance;
}

} // namespace kestrune
