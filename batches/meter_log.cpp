// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "meter_log.h"

#include "core/number_text.h"
#include "core/torque_energy.h"
#include "core/valid_utf8.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kestrune {
namespace {

constexpr double kNewtonMetresPerGramForceCentimetre = 0.00980665 * 0.01;

struct UnitFactor {
    std::string_view spelling;
    double ounceInches;
};
const std::array<UnitFactor, 10> kUnits{{
    {"oz-in", 1},
    {"ozin", 1},
    {"in-oz", 1},
    {"gf-cm", kNewtonMetresPerGramForceCentimetre / kNewtonMetresPerOunceInch},
    {"gfcm", kNewtonMetresPerGramForceCentimetre / kNewtonMetresPerOunceInch},
    {"mn-m", 0.001 / kNewtonMetresPerOunceInch},
    {"mnm", 0.001 / kNewtonMetresPerOunceInch},
    {"n-mm", 0.001 / kNewtonMetresPerOunceInch},
    {"in-lb", 16},
    {"inlb", 16},
}};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Lower case ASCII without blanks: how names and units compare.
std::string folded(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (!isBlank(c))
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

std::string_view trimmed(std::string_view field) {
    while (!field.empty() && isBlank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && isBlank(field.back()))
        field.remove_suffix(1);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
    return field;
}

// The next line off text: LF, CR LF and a lone CR all end one.
std::string_view nextLine(std::string_view& text) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
        text = {};
    } else {
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return line;
}

// The separator the first line uses: a tab, a semicolon, a comma, or else blanks (0).
char separatorOf(std::string_view line) {
    for (const char c : {'\t', ';', ','}) {
        if (line.find(c) != std::string_view::npos)
            return c;
    }
    return 0;
}

void splitFields(std::string_view line, char separator, std::vector<std::string_view>& fields) {
    fields.clear();
    if (separator == 0) {
        while (!line.empty()) {
            while (!line.empty() && isBlank(line.front()))
                line.remove_prefix(1);
            std::size_t end = 0;
            while (end < line.size() && !isBlank(line[end]))
                ++end;
            if (end > 0)
                fields.push_back(line.substr(0, end));
            line.remove_prefix(end);
        }
        return;
    }
    for (;;) {
        const std::size_t end = line.find(separator);
        fields.push_back(trimmed(line.substr(0, end)));
        if (end == std::string_view::npos)
            return;
        line.remove_prefix(end + 1);
    }
}

// A header's columns: where turns, torque, time and a unit are, and the torque's unit.
struct Columns {
    static constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t turns = none, torque = none, time = none, unit = none;
    double timeDivisor = 1000; // milliseconds unless the header says "(s)"
    std::optional<double> torqueFactor;
    std::string turnsName, torqueName, timeName, unitName;
};

// "torque (ozin)" as the name "torque" and the unit "ozin".
std::pair<std::string, std::string> nameAndUnit(std::string_view header) {
    const std::size_t open = header.find('(');
    const std::size_t close = header.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return {folded(header), {}};
    return {folded(header.substr(0, open)), folded(header.substr(open + 1, close - open - 1))};
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::optional<std::string> readHeader(const std::vector<std::string_view>& fields,
                                      Columns& columns) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto [name, unit] = nameAndUnit(fields[i]);
        if ((name == "turns" || name == "turnsremaining" || name == "n") &&
            columns.turns == Columns::none) {
            columns.turns = i;
            columns.turnsName = fields[i];
        } else if (name == "torque" && columns.torque == Columns::none) {
            columns.torque = i;
            columns.torqueName = fields[i];
            if (!unit.empty()) {
                columns.torqueFactor = ounceInchesPerUnit(unit);
                if (!columns.torqueFactor)
                    return "The column " + quoted(fields[i]) +
                           " gives its torque in a unit Kestrune does not know. It reads oz-in, "
                           "in-oz, gf-cm, mN-m, N-mm and in-lb.";
            }
        } else if ((name == "time" || name == "programtime") && columns.time == Columns::none) {
            columns.time = i;
            columns.timeName = fields[i];
            columns.timeDivisor = unit == "s" ? 1 : 1000;
        } else if (name == "unit" && columns.unit == Columns::none) {
            columns.unit = i;
            columns.unitName = fields[i];
        }
    }
    if (columns.torque == Columns::none)
        return std::string("The file has no column named \"torque\", so it gives no readings.");
    if (columns.turns == Columns::none && columns.time == Columns::none)
        return std::string(
            "The file has no column of turns (\"turns\", \"n\") or of time (\"time\", "
            "\"programTime\"), so it gives no readings.");
    return std::nullopt;
}

std::string lineText(std::size_t line) {
    return "Line " + std::to_string(line) + " of the file";
}

std::string readingsText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " reading" : " readings");
}

} // namespace

std::optional<double> ounceInchesPerUnit(std::string_view unit) {
    const std::string name = folded(unit);
    for (const UnitFactor& known : kUnits) {
        if (name == known.spelling)
            return known.ounceInches;
    }
    return std::nullopt;
}

MeterLogRead readMeterLog(std::string_view bytes) {
    MeterLogRead read;
    if (bytes.find('\0') != std::string_view::npos) {
        read.refusal = "The file holds NUL bytes: it is no text file of readings.";
        return read;
    }
    if (validUtf8(bytes) != bytes) {
        read.refusal = "The file is not UTF-8 text, so Kestrune does not read it as readings.";
        return read;
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::vector<std::string_view> fields;
    std::optional<char> separator;
    Columns columns;
    bool headed = false;
    MeterLog log;
    // One reading a line at most: room for them all at once, not grown (and copied) as read.
    const auto count = [bytes](char c) {
        return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), c));
    };
    const std::size_t most = std::min(kMostMeterReadings, std::max(count('\n'), count('\r')) + 1);
    std::size_t lineNumber = 0;
    while (!bytes.empty()) {
        const std::string_view line = nextLine(bytes);
        ++lineNumber;
        if (trimmed(line).empty())
            continue;
        if (!separator) {
            separator = separatorOf(line);
            splitFields(line, *separator, fields);
            for (const std::string_view field : fields)
                headed = headed || !readCompleteNumber(field);
            if (headed) {
                if (std::optional<std::string> refusal = readHeader(fields, columns)) {
                    read.refusal = std::move(*refusal);
                    return read;
                }
                continue;
            }
            if (fields.size() != 2) {
                read.refusal = "The file has " + std::to_string(fields.size()) +
                               " columns and no header naming them. Without a header Kestrune "
                               "reads two columns: turns, then torque in oz-in.";
                return read;
            }
            columns.turns = 0;
            columns.torque = 1;
            columns.torqueFactor = 1;
        }
        splitFields(line, *separator, fields);
        const auto number = [&](std::size_t column) -> std::optional<double> {
            return column < fields.size() ? readCompleteNumber(fields[column]) : std::nullopt;
        };
        const std::size_t x = columns.turns != Columns::none ? columns.turns : columns.time;
        const std::optional<double> along = number(x);
        const std::optional<double> torque = number(columns.torque);
        if (!along || !torque) {
            read.refusal = lineText(lineNumber) + " has no number where the readings need one, "
                                                  "or one too large to compute with.";
            return read;
        }
        double factor = columns.torqueFactor.value_or(1);
        if (!columns.torqueFactor && columns.unit != Columns::none) {
            const std::string_view unit =
                columns.unit < fields.size() ? fields[columns.unit] : std::string_view();
            const std::optional<double> rowFactor = ounceInchesPerUnit(unit);
            if (!rowFactor) {
                read.refusal = lineText(lineNumber) + " gives its torque in " + quoted(unit) +
                               ", a unit Kestrune does not know. It reads oz-in, in-oz, gf-cm, "
                               "mN-m, N-mm and in-lb.";
                return read;
            }
            factor = *rowFactor;
        }
        if (log.torques.size() == kMostMeterReadings) {
            read.refusal = "The file holds more than " + readingsText(kMostMeterReadings) +
                           ", more than Kestrune takes from one test.";
            return read;
        }
        if (log.torques.empty()) {
            log.torques.reserve(most);
            (columns.turns != Columns::none ? log.turns : log.seconds).reserve(most);
        }
        if (columns.turns != Columns::none)
            log.turns.push_back(*along);
        else
            log.seconds.push_back(*along / columns.timeDivisor);
        log.torques.push_back(*torque * factor);
    }
    if (log.torques.empty()) {
        read.refusal = "The file holds no readings: no line of numbers.";
        return read;
    }
    std::string how = "Read " + readingsText(log.torques.size());
    if (!headed) {
        how += " from two columns without a header: turns, then torque (oz-in).";
    } else {
        how += columns.turns != Columns::none
                   ? ": turns from " + quoted(columns.turnsName)
                   : ": time from " + quoted(columns.timeName) +
                         (columns.timeDivisor == 1 ? " (seconds)" : " (milliseconds)");
        how += ", torque from " + quoted(columns.torqueName);
        if (!columns.torqueFactor)
            how += columns.unit != Columns::none ? " in the units of " + quoted(columns.unitName)
                                                 : std::string(" (taken as oz-in)");
        how += '.';
    }
    log.howRead = std::move(how);
    read.log = std::move(log);
    return read;
}

} // namespace kestrune
