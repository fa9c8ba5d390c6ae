// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What one motor, or one batch log, gives the command line to print: the texts the window shows
// with the numbers behind them, and the lines its text output is made of.

#include <optional>
#include <string>
#include <vector>

namespace kestrune {

struct CalcField {
    std::string name;
    std::string shown;
    bool numeric = false;        // whether the window shows a number here
    std::optional<double> value; // that number, unrounded; nothing where it shows none
};

struct CalcResult {
    std::vector<CalcField> fields;
    // A table's rows (the card's limits, the log's batches), each with the same fields.
    std::vector<std::vector<CalcField>> rows;
    std::vector<std::string> rowNames; // the names of a row's fields, also without rows
    // The window's texts, one result a line.
    std::vector<std::string> textLines;
};

// Why a motor gives no result: one line naming the option and why. A usage fault is a command
// line that names no motor at all (an option missing, two that exclude each other).
struct CalcFault {
    std::string message;
    bool usage = false;
};

} // namespace kestrune
