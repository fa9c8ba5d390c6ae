// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The vocabulary of the calculator and the one calculation state of the process.

#include <array>
#include <optional>
#include <string_view>

namespace kestrune {

enum RubberType : int { TanII = 0, TanSuperSport = 1, TanSport = 2 };
inline constexpr int kRubberTypeCount = 3;

struct RubberTypeInfo {
    std::string_view listText;  // shown in the Type lists
    std::string_view shortCode; // used in summaries and list rows
};
inline constexpr std::array<RubberTypeInfo, kRubberTypeCount> kRubberTypes{{
    {"Tan II", "TanII"},
    {"Tan Super Sport", "TanSS"},
    {"Tan Sport", "TanS"},
}};

// Strip widths, identified by their index in every Width list.
enum class StripWidth : int { W1_16 = 0, W3_32 = 1, W1_8 = 2, W3_16 = 3, W1_4 = 4 };
inline constexpr int kStripWidthCount = 5;

struct StripWidthInfo {
    std::string_view listText;
    double inches;
    std::string_view displayText; // in summaries and rows
    int code;                     // inches * 1000, truncated
};
inline constexpr std::array<StripWidthInfo, kStripWidthCount> kStripWidths{{
    {"1/16", 0.0625, "1/16\"", 62},
    {"3/32", 0.09375, "3/32\"", 93},
    {"1/8", 0.125, "1/8\"", 125},
    {"3/16", 0.1875, "3/16\"", 187},
    {"1/4", 0.25, "1/4\"", 250},
}};

// Strand counts 2, 4 ... 36 and limits 100, 95 ... 50, as the pages list them.
inline constexpr int kStrandCounts = 18;
inline constexpr int kLimitCount = 11;
constexpr int strandCountAt(int index) {
    return 2 + 2 * index;
}
constexpr int limitAt(int index) {
    return 100 - 5 * index;
}

// The width of a list index; an index outside the list gives nothing.
std::optional<double> stripWidthInches(int index);

// The list texts of a type and of a width index ("Tan II", "1/8"); empty outside the lists.
std::string_view typeListText(int type);
std::string_view widthListText(int width);
// The index of a type's or a width's list text, as the lists and the logs write them.
std::optional<int> typeOfListText(std::string_view text);
std::optional<int> widthOfListText(std::string_view text);

// One turns and one torque constant per rubber type; exactly 0 means "not calibrated".
struct CalibrationTable {
    std::array<double, kRubberTypeCount> turns{};
    std::array<double, kRubberTypeCount> torque{};
};

struct TurnsMotor {
    int type = TanII;
    double width = 0.125;
    double strands = 2;
    double length = 1;
    double limit = 100;
    double turns = 0; // integral; 0 when undefined
    bool useVorlick = false;
};

struct TorqueMotor {
    int type = TanII;
    double width = 0.125;
    double strands = 2;
    double limit = 100;
    double torque = 0; // oz/in; 0 when undefined
};

struct CalcState {
    CalibrationTable table;
    int currentType = TanII; // any list index; -1 for a Type list without a selection
    double turnsConstant = 0;
    double torqueConstant = 0;
    // The type each page's constant belongs to; -1 before the page has taken one.
    int turnsConstantType = -1;
    int torqueConstantType = -1;
    TurnsMotor turnsMotor;
    TorqueMotor torqueMotor;
};

// The process-wide calculation state every window works on.
CalcState& calcState();

// The type a modeller's page starts with: the calculation pages' one, Tan II when they have none.
int startingType(int currentType);

enum class Quantity { Turns, Torque };

inline constexpr CalibrationTable kDefaultCalibration{{107.0, 0.0, 0.0}, {2.7, 0.0, 0.0}};

// The default constant of the type at a list index; nothing outside 0..2.
std::optional<double> defaultTurnsConstant(int index);
std::optional<double> defaultTorqueConstant(int index);

// A type picked in a page's Type list: it becomes the current type, and for a known type the
// page's constant becomes the table's constant of that type.
void selectRubberType(CalcState& state, Quantity quantity, int index);

} // namespace kestrune
