// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The motor the Winding page winds: the Breaking Turns page's, or the one the Motor Weight page
// sized, whichever of the two pages changed its motor last.

#include "core/calc_state.h"
#include "core/winding_card.h"

#include <optional>

namespace kestrune {

// A motor the Motor Weight page sized: list indices for type and width, the strands counted, and
// its length in inches with all its decimals (0 while the page has none).
struct SizedMotor {
    int type = TanII;
    int width = 2;
    int strands = 4;
    double length = 0;
    friend bool operator==(const SizedMotor&, const SizedMotor&) = default;
};

// The motor to wind as it stands: the Motor Weight page's while the Breaking Turns motor has
// stayed as it was since, else the Breaking Turns page's.
struct MotorToWind {
    std::optional<SizedMotor> sized;
    TurnsMotor turns;
};

// Whether the Winding page has a motor to take: another source, or another motor of it.
bool sameMotorToWind(const MotorToWind& a, const MotorToWind& b);

// The winding inputs with the motor to wind: Vorlick, the winder and the stretch stay for a sized
// motor, and so do a length and list entries that are no motor's (as withTurnsMotor keeps them).
WindingMotor withMotorToWind(WindingMotor motor, const MotorToWind& toWind);

class SharedMotor {
public:
    // The Motor Weight page's motor changed to this one; the Breaking Turns motor stands as given.
    void size(const SizedMotor& motor, const TurnsMotor& turnsNow);
    MotorToWind toWind(const TurnsMotor& turnsNow) const;

private:
    std::optional<SizedMotor> sized_;
    TurnsMotor turnsWhenSized_; // a change of it since makes the Breaking Turns motor the last
};

// The process-wide shared motor the modeller's pages work with.
SharedMotor& sharedMotor();

} // namespace kestrune
