// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The card a modeller winds one motor to: turns, cranks of the winder and torque at every limit,
// exactly as the Breaking Turns and Breaking Torque pages give them.

#include "calc_outcome.h"
#include "calc_state.h"
#include "shown_results.h"
#include "units.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kestrune {

// The Winder ratio list; any other whole number from 1 up may be typed.
inline constexpr std::array<int, 7> kWinderRatios{1, 5, 8, 10, 15, 16, 20};

struct WindingMotor {
    int type = TanII;
    int width = 2; // Width list index
    int strands = 4;
    double length = 0; // inches
    bool useVorlick = false;
    int winderRatio = 16; // turns of the motor per crank
    double stretch = 4;   // times the length
    friend bool operator==(const WindingMotor&, const WindingMotor&) = default;
};

struct CardRow {
    int limit = 100;
    CalcOutcome turns;  // as the Breaking Turns page shows it
    int turnsCount = 0; // when turns is a Value
    std::optional<int> cranks;
    CalcOutcome torque;    // as the Breaking Torque page shows it (oz-in, "%.2f")
    double torqueOzIn = 0; // unrounded, when torque is a Value
};

struct WindingCard {
    std::array<CardRow, kLimitCount> rows; // limits 100, 95 ... 50
    std::optional<double> stretchedLength; // inches
};

// A length a card is made for: above 0 and at most kLargestMotorMeasure inches, so that every text
// of the card, stretched and in millimetres too, is a number.
bool isCardLength(double inches);

// Cranks for a number of turns: turns / ratio rounded toward zero, so a crank count never winds
// past the turns. Nothing for a ratio below 1.
std::optional<int> cranksFor(int turns, int winderRatio);

// The card of a motor, computed with the given constants (pageConstants gives the ones the
// calculation pages show). A Width index outside the list gives rows without results, a length
// that is no card length rows without turns.
WindingCard buildWindingCard(const CalcState& state, const WindingMotor& motor,
                             const MotorConstants& constants);

// The Breaking Turns page's motor to wind: its type, width, strands and Vorlick choice, and its
// length when it is a card length (an empty Length box there shows no new turns, so the card
// keeps its length too, and so it does for a length too large for any motor). The winder and the
// stretch stay; a type, width or strand count that no list holds leaves that input as it was.
WindingMotor withTurnsMotor(WindingMotor motor, const TurnsMotor& turns);

// Whether two Breaking Turns motors wind alike; the limit does not count, the card has them all.
bool sameMotorToWind(const TurnsMotor& a, const TurnsMotor& b);

// The card's table as tab-separated text: the header line and the row lines (without line end)
// for the page's table, and the whole card, every line ending in LF, for the clipboard. In
// millimetre units a column with the torque in N·mm follows.
std::string cardHeader(LengthUnit unit);
std::string formatCardRow(const CardRow& row, LengthUnit unit);
std::string formatCardText(const WindingCard& card, LengthUnit unit);
// The same heads and rows cell by cell, for the printed card.
std::vector<std::string> cardHeaderCells(LengthUnit unit);
std::vector<std::string> cardRowCells(const CardRow& row, LengthUnit unit);

// "40.00 inch", "1016.0 mm"; empty for a card without a stretched length.
std::string formatStretchedLength(const WindingCard& card, LengthUnit unit);

// What the printed card says above its table: the motor, the formula with the constants used,
// the winder and the stretch, and the torque's units.
std::vector<std::string> describeWindingCard(const WindingMotor& motor,
                                             const MotorConstants& constants,
                                             const WindingCard& card, LengthUnit unit);

} // namespace kestrune
