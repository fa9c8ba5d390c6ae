// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "cli/batch_result.h"

#include "models/batch_log_model.h"

#include <array>
#include <string_view>

namespace kestrune {
namespace {

// The Batches table's columns, in its order.
constexpr std::array<std::string_view, 12> kColumns{
    "batch",           "type",           "tests",           "turns-constant",   "turns-deviation",
    "turns-least",     "turns-greatest", "torque-constant", "torque-deviation", "torque-least",
    "torque-greatest", "density"};

std::vector<std::string> cellsOf(std::string_view row) {
    // A row's batch shows its tabs as spaces, so a tab always ends a cell.
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t tab = row.find('\t'); tab != std::string_view::npos;
         tab = row.find('\t', start)) {
        cells.emplace_back(row.substr(start, tab - start));
        start = tab + 1;
    }
    cells.emplace_back(row.substr(start));
    cells.resize(kColumns.size());
    return cells;
}

void addStatistic(std::vector<std::optional<double>>& values, const std::optional<Statistic>& s) {
    values.push_back(s ? std::optional(s->mean) : std::nullopt);
    values.push_back(s ? s->deviation : std::nullopt);
    values.push_back(s ? std::optional(s->least) : std::nullopt);
    values.push_back(s ? std::optional(s->greatest) : std::nullopt);
}

} // namespace

std::variant<CalcResult, CalcFault> summariseBatchLog(StoredFile& log, const CalcSetup& setup) {
    CalcState state = setup.state;
    Preferences preferences = setup.preferences;
    BatchLogModel model(state, preferences);
    const FileResult read = model.load(log);
    if (!read.done())
        return CalcFault{log.name() + ": " +
                         (read.missing() ? "there is no such file" : read.reason)};

    CalcResult result;
    result.rowNames.assign(kColumns.begin(), kColumns.end());
    for (int row = 0; row < model.batchesRows(); ++row) {
        const std::string shown = model.batchesRow(row);
        result.textLines.push_back(shown);
        const std::optional<BatchSummary> summary = model.summary(row);
        if (!summary)
            continue;
        std::vector<std::optional<double>> values{std::nullopt, std::nullopt,
                                                  static_cast<double>(summary->tests)};
        addStatistic(values, summary->turns);
        addStatistic(values, summary->torque);
        values.push_back(summary->density ? std::optional(summary->density->mean) : std::nullopt);
        std::vector<std::string> cells = cellsOf(shown);
        std::vector<CalcField> fields;
        for (std::size_t i = 0; i < kColumns.size(); ++i)
            fields.push_back({std::string(kColumns[i]), std::move(cells[i]), i >= 2, values[i]});
        result.rows.push_back(std::move(fields));
    }
    return result;
}

} // namespace kestrune
