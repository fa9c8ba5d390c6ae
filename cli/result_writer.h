// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Results as text (the window's texts, one result a line), CSV (RFC 4180, a header line) or JSON
// (one object a result). Numbers are written with a point whatever the locale, and JSON never
// holds NaN or Infinity: a number the window does not show is null.

#include "cli/calc_result.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrune {

enum class OutputFormat { Text, Csv, Json };
std::optional<OutputFormat> outputFormatNamed(std::string_view text);

// The inputs a result was computed from, by name; nothing for one not given.
using ResultInputs = std::vector<std::pair<std::string, std::optional<std::string>>>;

class ResultWriter {
public:
    ResultWriter(OutputFormat format, std::string_view command, std::string& out)
        : format_(format), command_(command), out_(out) {}

    // line: the --input line the result is of, when it is of one.
    void write(const ResultInputs& inputs, const CalcResult& result,
               std::optional<std::size_t> line = std::nullopt);

private:
    void writeText(const CalcResult& result);
    void writeCsv(const ResultInputs& inputs, const CalcResult& result);
    void writeJson(const ResultInputs& inputs, const CalcResult& result,
                   std::optional<std::size_t> line);

    OutputFormat format_;
    std::string command_;
    std::string& out_;
    bool first_ = true;
};

} // namespace kestrune
