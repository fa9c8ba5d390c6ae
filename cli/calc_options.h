// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// kestrune-calc's command line: a subcommand, its options with their values as typed, and the
// file operand of `batches` and `energy`. Every option has one name, the same on the command line
// (after
// "--") and in the header of an --input file.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kestrune {

enum class Option : int {
    Type,
    Width,
    Strands,
    Length,
    Weight,
    Class,
    Limit,
    Vorlick,
    Units,
    Thickness,
    Density,
    Ratio,
    Stretch,
    TurnsConstant,
    TorqueConstant,
    TotalTurns,
    AtTorque,
    Format,
    Constants,
    Input,
    Count
};
inline constexpr std::size_t kOptionCount = static_cast<std::size_t>(Option::Count);

enum class Command { Turns, Torque, Weight, Card, Batches, Energy, Help, Version };

// The text each option was given, nothing for one not given; a flag given holds "1".
using OptionValues = std::array<std::optional<std::string>, kOptionCount>;

inline std::optional<std::string>& valueOf(OptionValues& values, Option option) {
    return values[static_cast<std::size_t>(option)];
}
inline const std::optional<std::string>& valueOf(const OptionValues& values, Option option) {
    return values[static_cast<std::size_t>(option)];
}

std::string_view optionName(Option option);
std::optional<Option> optionNamed(std::string_view name);
std::string_view commandName(Command command);

// The options that describe one motor of a command, in the order its CSV and JSON list them;
// they are also the columns an --input file may have, besides the two constants.
std::span<const Option> motorOptions(Command command);
// Whether a motor of the command may have the option: its motor options, and the two constants
// for a command that computes from them.
bool takesMotorOption(Command command, Option option);
// Whether the command reads a file named after it rather than motors.
bool takesFileOperand(Command command);

struct CalcOptions {
    Command command = Command::Help;
    OptionValues values;
    std::vector<std::string> operands;
};

// Why the command line is no command: the line to print above the usage line.
struct UsageError {
    std::string message;
};

std::variant<CalcOptions, UsageError> parseCalcOptions(std::span<const std::string> args);

// A flag's text: 1/0, yes/no, true/false, whatever the case.
std::optional<bool> readFlag(std::string_view text);

} // namespace kestrune
