// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "cli/calc_options.h"

#include "cli/text_match.h"

#include <algorithm>

namespace kestrune {
namespace {

struct OptionInfo {
    std::string_view name;
    bool flag;
};
constexpr std::array<OptionInfo, kOptionCount> kOptions{{
    {"type", false},        {"width", false},          {"strands", false},
    {"length", false},      {"weight", false},         {"class", false},
    {"limit", false},       {"vorlick", true},         {"units", false},
    {"thickness", false},   {"density", false},        {"ratio", false},
    {"stretch", false},     {"turns-constant", false}, {"torque-constant", false},
    {"total-turns", false}, {"at-torque", false},      {"format", false},
    {"constants", false},   {"input", false},
}};

using O = Option;
constexpr std::array kTurnsOptions{O::Type, O::Width, O::Strands, O::Length, O::Limit, O::Vorlick};
constexpr std::array kTorqueOptions{O::Type, O::Width, O::Strands, O::Limit, O::Vorlick};
constexpr std::array kWeightOptions{O::Type,  O::Width, O::Strands, O::Length,    O::Weight,
                                    O::Class, O::Limit, O::Units,   O::Thickness, O::Density};
constexpr std::array kCardOptions{O::Type,    O::Width, O::Strands, O::Length,
                                  O::Vorlick, O::Ratio, O::Stretch, O::Units};

constexpr std::array kEnergyOptions{O::Weight, O::TotalTurns, O::AtTorque};

constexpr std::array<std::pair<std::string_view, Command>, 6> kCommands{{
    {"turns", Command::Turns},
    {"torque", Command::Torque},
    {"weight", Command::Weight},
    {"card", Command::Card},
    {"batches", Command::Batches},
    {"energy", Command::Energy},
}};

bool isRunOption(Option option) {
    return option == O::Format || option == O::Constants || option == O::Input;
}

} // namespace

std::string_view optionName(Option option) {
    return kOptions[static_cast<std::size_t>(option)].name;
}

std::optional<Option> optionNamed(std::string_view name) {
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (kOptions[i].name == name)
            return static_cast<Option>(i);
    }
    return std::nullopt;
}

std::string_view commandName(Command command) {
    for (const auto& [name, listed] : kCommands) {
        if (listed == command)
            return name;
    }
    return {};
}

std::span<const Option> motorOptions(Command command) {
    switch (command) {
    case Command::Turns:
        return kTurnsOptions;
    case Command::Torque:
        return kTorqueOptions;
    case Command::Weight:
        return kWeightOptions;
    case Command::Card:
        return kCardOptions;
    case Command::Energy:
        return kEnergyOptions;
    default:
        return {};
    }
}

bool takesMotorOption(Command command, Option option) {
    const std::span<const Option> own = motorOptions(command);
    const bool constant = option == O::TurnsConstant || option == O::TorqueConstant;
    return (constant && !own.empty() && command != Command::Energy) ||
           std::find(own.begin(), own.end(), option) != own.end();
}

bool takesFileOperand(Command command) {
    return command == Command::Batches || command == Command::Energy;
}

std::variant<CalcOptions, UsageError> parseCalcOptions(std::span<const std::string> args) {
    CalcOptions options;
    if (args.empty())
        return UsageError{"no command given"};
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h")
            return CalcOptions{Command::Help, {}, {}};
        if (arg == "--version")
            return CalcOptions{Command::Version, {}, {}};
    }
    const auto named = std::find_if(kCommands.begin(), kCommands.end(),
                                    [&](const auto& command) { return command.first == args[0]; });
    if (named == kCommands.end())
        return UsageError{"unknown command '" + args[0] + "'"};
    options.command = named->second;

    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            if (takesFileOperand(options.command) && options.operands.empty() &&
                (arg.empty() || arg[0] != '-')) {
                options.operands.emplace_back(arg);
                continue;
            }
            return UsageError{"unexpected argument '" + std::string(arg) + "'"};
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name =
            arg.substr(2, equals == std::string_view::npos ? std::string_view::npos : equals - 2);
        const std::optional<Option> option = optionNamed(name);
        if (!option || !(isRunOption(*option) || takesMotorOption(options.command, *option)) ||
            (takesFileOperand(options.command) && *option == O::Input))
            return UsageError{"unknown option '--" + std::string(name) + "' for " +
                              std::string(commandName(options.command))};
        std::optional<std::string>& value = valueOf(options.values, *option);
        if (kOptions[static_cast<std::size_t>(*option)].flag) {
            if (equals != std::string_view::npos)
                return UsageError{"--" + std::string(name) + " takes no value"};
            value = "1";
        } else if (equals != std::string_view::npos) {
            value = std::string(arg.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return UsageError{"--" + std::string(name) + " needs a value"};
        }
    }
    return options;
}

std::optional<bool> readFlag(std::string_view text) {
    for (std::string_view yes : {"1", "yes", "true"}) {
        if (equalsIgnoringCase(text, yes))
            return true;
    }
    for (std::string_view no : {"0", "no", "false"}) {
        if (equalsIgnoringCase(text, no))
            return false;
    }
    return std::nullopt;
}

} // namespace kestrune
