// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "cli/result_writer.h"

#include "batches/csv.h"
#include "core/json_text.h"
#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace kestrune {
namespace {

void appendJsonNumber(std::string& out, std::optional<double> value) {
    if (value && std::isfinite(*value))
        appendShortest(out, *value);
    else
        out += "null";
}

void appendJsonFields(std::string& out, const std::vector<CalcField>& fields) {
    out += "\"shown\":{";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendJsonString(out, fields[i].name);
        out += ':';
        appendJsonString(out, fields[i].shown);
    }
    out += "},\"values\":{";
    bool any = false;
    for (const CalcField& field : fields) {
        if (!field.numeric)
            continue;
        if (any)
            out += ',';
        any = true;
        appendJsonString(out, field.name);
        out += ':';
        appendJsonNumber(out, field.value);
    }
    out += '}';
}

void appendCsvRecord(std::string& out, const std::vector<std::string_view>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += ',';
        appendCsvField(out, cells[i]);
    }
    out += "\r\n";
}

} // namespace

std::optional<OutputFormat> outputFormatNamed(std::string_view text) {
    if (text == "text")
        return OutputFormat::Text;
    if (text == "csv")
        return OutputFormat::Csv;
    if (text == "json")
        return OutputFormat::Json;
    return std::nullopt;
}

void ResultWriter::write(const ResultInputs& inputs, const CalcResult& result,
                         std::optional<std::size_t> line) {
    switch (format_) {
    case OutputFormat::Text:
        writeText(result);
        break;
    case OutputFormat::Csv:
        writeCsv(inputs, result);
        break;
    case OutputFormat::Json:
        writeJson(inputs, result, line);
        break;
    }
    first_ = false;
}

void ResultWriter::writeText(const CalcResult& result) {
    // A result of several lines stands apart from the one before it.
    if (!first_ && result.textLines.size() > 1)
        out_ += '\n';
    for (const std::string& text : result.textLines) {
        out_ += text;
        out_ += '\n';
    }
}

void ResultWriter::writeCsv(const ResultInputs& inputs, const CalcResult& result) {
    std::vector<std::string_view> cells;
    if (first_) {
        for (const auto& input : inputs)
            cells.emplace_back(input.first);
        // A result the inputs also name (the weight of a length typed) is told apart by its head.
        std::vector<std::string> heads;
        for (const CalcField& field : result.fields) {
            const bool input = std::any_of(inputs.begin(), inputs.end(), [&](const auto& given) {
                return given.first == field.name;
            });
            heads.push_back(input ? "result-" + field.name : field.name);
        }
        heads.insert(heads.end(), result.rowNames.begin(), result.rowNames.end());
        cells.insert(cells.end(), heads.begin(), heads.end());
        appendCsvRecord(out_, cells);
    }
    cells.clear();
    for (const auto& input : inputs)
        cells.emplace_back(input.second ? std::string_view(*input.second) : std::string_view());
    for (const CalcField& field : result.fields)
        cells.emplace_back(field.shown);
    if (result.rowNames.empty()) {
        appendCsvRecord(out_, cells);
        return;
    }
    const std::size_t motor = cells.size();
    for (const std::vector<CalcField>& row : result.rows) {
        cells.resize(motor);
        for (const CalcField& field : row)
            cells.emplace_back(field.shown);
        appendCsvRecord(out_, cells);
    }
}

void ResultWriter::writeJson(const ResultInputs& inputs, const CalcResult& result,
                             std::optional<std::size_t> line) {
    out_ += "{\"command\":";
    appendJsonString(out_, command_);
    if (line)
        out_ += ",\"line\":" + std::to_string(*line);
    out_ += ",\"inputs\":{";
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (i > 0)
            out_ += ',';
        appendJsonString(out_, inputs[i].first);
        out_ += ':';
        if (inputs[i].second)
            appendJsonString(out_, *inputs[i].second);
        else
            out_ += "null";
    }
    out_ += "},";
    appendJsonFields(out_, result.fields);
    if (!result.rowNames.empty()) {
        out_ += ",\"rows\":[";
        for (std::size_t i = 0; i < result.rows.size(); ++i) {
            if (i > 0)
                out_ += ',';
            out_ += '{';
            appendJsonFields(out_, result.rows[i]);
            out_ += '}';
        }
        out_ += ']';
    }
    out_ += "}\n";
}

} // namespace kestrune
