// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_rows.h"

#include "core/number_text.h"
#include "core/valid_utf8.h"

#include <initializer_list>

namespace kestrune {
namespace {

std::string orNone(std::optional<double> value, int decimals) {
    return value ? formatFixed(*value, decimals) : std::string(kNoValueText);
}

std::string joinColumns(std::initializer_list<std::string> columns) {
    std::string row;
    bool first = true;
    for (const std::string& column : columns) {
        if (!first)
            row += '\t';
        row += column;
        first = false;
    }
    return row;
}

// The deviation, least and greatest of a statistic; its mean stands with the other means.
void appendSpread(std::string& row, const std::optional<Statistic>& s, int decimals) {
    const std::optional<double> none;
    row += '\t' + orNone(s ? s->deviation : none, decimals);
    row += '\t' + orNone(s ? std::optional(s->least) : none, decimals);
    row += '\t' + orNone(s ? std::optional(s->greatest) : none, decimals);
}

} // namespace

std::string oneColumn(std::string_view text) {
    constexpr std::size_t kShown = 4096;
    if (text.size() > kShown) {
        std::size_t cut = kShown;
        while (cut > kShown - 4 && (static_cast<unsigned char>(text[cut]) & 0xC0U) == 0x80U)
            --cut;
        text = text.substr(0, cut);
    }
    std::string out = validUtf8(text);
    for (char& c : out) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return out;
}

std::string formatTurnsConstant(std::optional<double> constant) {
    return orNone(constant, 1);
}

std::string formatTorqueConstant(std::optional<double> constant) {
    return orNone(constant, 3);
}

std::string formatDensity(std::optional<double> density) {
    return orNone(density, 3);
}

std::string testsHeader(LengthUnit unit) {
    return std::string(
               "Batch\tType\tTurns\tTurns constant\tTorque constant\tDate\tWidth\tStrands\t") +
           (unit == LengthUnit::Millimetre ? "Length (mm)" : "Length (in)") +
           "\tTorque (oz-in)\tWeight (g)\tNote";
}

std::string formatTestRow(const BatchLogEntry& entry, double thickness, LengthUnit unit) {
    const std::optional<BreakTest> kept = entry.test();
    if (!kept)
        return "Unreadable line\t" + oneColumn(entry.unreadable());
    const BreakTest& test = *kept;
    const TestConstants constants = constantsOf(test, thickness);
    return joinColumns(
        {oneColumn(test.batch), std::string(typeListText(test.type)), formatInt(test.turns),
         formatTurnsConstant(constants.turns), formatTorqueConstant(constants.torque), test.date,
         std::string(widthListText(test.width)), formatInt(test.strands),
         formatLength(test.length, unit), test.torque ? formatFixed(*test.torque, 2) : "",
         test.weight ? formatGrams(*test.weight) : "", oneColumn(test.note)});
}

std::string batchesHeader() {
    return "Batch\tType\tTests\tTurns constant\tTorque constant\tDensity (g/cm³)\tTurns "
           "deviation\tTurns least\tTurns greatest\tTorque deviation\tTorque least\tTorque "
           "greatest";
}

std::string formatBatchRow(const BatchSummary& summary) {
    const auto mean = [](const std::optional<Statistic>& s) {
        return s ? std::optional(s->mean) : std::nullopt;
    };
    std::string row = oneColumn(summary.batch);
    row += '\t';
    row += typeListText(summary.type);
    row += '\t' + std::to_string(summary.tests);
    row += '\t' + formatTurnsConstant(mean(summary.turns));
    row += '\t' + formatTorqueConstant(mean(summary.torque));
    row += '\t' + formatDensity(mean(summary.density));
    appendSpread(row, summary.turns, 1);
    appendSpread(row, summary.torque, 3);
    return row;
}

} // namespace kestrune
