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

void appendStatistic(std::string& row, const std::optional<Statistic>& s, int decimals) {
    const std::optional<double> none;
    row += '\t' + orNone(s ? std::optional(s->mean) : none, decimals);
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
    return std::string("Batch\tDate\tType\tWidth\tStrands\t") +
           (unit == LengthUnit::Millimetre ? "Length (mm)" : "Length (in)") +
           "\tTurns\tTorque (oz-in)\tWeight (g)\tNote\tTurns constant\tTorque constant";
}

std::string formatTestRow(const BatchLogEntry& entry, double thickness, LengthUnit unit) {
    const std::optional<BreakTest> kept = entry.test();
    if (!kept)
        return "Unreadable line\t" + oneColumn(entry.unreadable());
    const BreakTest& test = *kept;
    const TestConstants constants = constantsOf(test, thickness);
    return joinColumns({oneColumn(test.batch), test.date, std::string(typeListText(test.type)),
                        std::string(widthListText(test.width)), formatInt(test.strands),
                        formatLength(test.length, unit), formatInt(test.turns),
                        test.torque ? formatFixed(*test.torque, 2) : "",
                        test.weight ? formatGrams(*test.weight) : "", oneColumn(test.note),
                        formatTurnsConstant(constants.turns),
                        formatTorqueConstant(constants.torque)});
}

std::string batchesHeader() {
    return "Batch\tType\tTests\tTurns constant\tDeviation\tLeast\tGreatest\tTorque "
           "constant\tDeviation\tLeast\tGreatest\tDensity (g/cm³)";
}

std::string formatBatchRow(const BatchSummary& summary) {
    std::string row = oneColumn(summary.batch);
    row += '\t';
    row += typeListText(summary.type);
    row += '\t' + std::to_string(summary.tests);
    appendStatistic(row, summary.turns, 1);
    appendStatistic(row, summary.torque, 3);
    row +=
        '\t' + formatDensity(summary.density ? std::optional(summary.density->mean) : std::nullopt);
    return row;
}

} // namespace kestrune
