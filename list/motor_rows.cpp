// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "motor_rows.h"

#include "core/number_text.h"

#include <cmath>
#include <initializer_list>

namespace kestrune {
namespace {

constexpr std::string_view kUndefinedSummary = "Undefined";
constexpr std::string_view kUndefinedColumn = "??";
constexpr std::string_view kNotApplicable = "NA";

std::string_view typeText(int type) {
    if (type < 0 || type >= kRubberTypeCount)
        return {};
    return kRubberTypes[static_cast<std::size_t>(type)].shortCode;
}

// The stored width goes back to its display text through its code (inches * 1000, truncated).
// The truncation stays in double, so a NaN or an absurd width just matches none of the five.
std::string_view widthText(double inches) {
    const double code = std::trunc(inches * 1000.0);
    for (const StripWidthInfo& width : kStripWidths) {
        if (code == static_cast<double>(width.code))
            return width.displayText;
    }
    return {};
}

// Only a positive result is a result: 0 is what the calculations store when there is none.
bool isDefined(double result) {
    return result > 0.0;
}

std::string whole(double value) {
    return formatFixed(value, 0);
}
std::string hundredths(double value) {
    return formatFixed(value, 2);
}

std::string joinColumns(std::initializer_list<std::string_view> columns) {
    std::string row;
    bool first = true;
    for (std::string_view column : columns) {
        if (!first)
            row += '\t';
        row += column;
        first = false;
    }
    return row;
}

std::string line(std::string_view label, std::string_view value) {
    std::string text(label);
    text += '\t';
    text += value;
    return text;
}

} // namespace

std::array<std::string, kTurnsSummaryLines> formatTurnsSummary(const TurnsMotor& motor) {
    return {
        line("Type", typeText(motor.type)),
        line("Width", widthText(motor.width)),
        line("Strands", whole(motor.strands)),
        line("Length", whole(motor.length) + '"'),
        line("Limit", whole(motor.limit) + '%'),
        line("Turns", isDefined(motor.turns) ? whole(motor.turns) : std::string(kUndefinedSummary)),
    };
}

std::array<std::string, kTorqueSummaryLines> formatTorqueSummary(const TorqueMotor& motor) {
    return {
        line("Type", typeText(motor.type)),
        line("Width", widthText(motor.width)),
        line("Strands", whole(motor.strands)),
        line("Limit", whole(motor.limit) + '%'),
        line("Torque",
             isDefined(motor.torque) ? hundredths(motor.torque) : std::string(kUndefinedSummary)),
    };
}

std::string formatTurnsRow(const TurnsMotor& motor) {
    const std::string turns =
        isDefined(motor.turns) ? whole(motor.turns) : std::string(kUndefinedColumn);
    return joinColumns({typeText(motor.type), widthText(motor.width), whole(motor.strands),
                        whole(motor.length) + '"', whole(motor.limit) + '%', turns,
                        kNotApplicable});
}

std::string formatTorqueRow(const TorqueMotor& motor) {
    const std::string torque = isDefined(motor.torque) ? hundredths(motor.torque) + "oz/in"
                                                       : std::string(kUndefinedColumn);
    return joinColumns({typeText(motor.type), widthText(motor.width), whole(motor.strands),
                        kNotApplicable, whole(motor.limit) + '%', kNotApplicable, torque});
}

} // namespace kestrune
