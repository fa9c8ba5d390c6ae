// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "torque_summaries.h"

#include "batch_rows.h"
#include "core/number_text.h"

#include <map>
#include <utility>

namespace kestrune {
namespace {

std::string orNone(std::optional<double> value, int decimals) {
    return value ? formatFixed(*value, decimals) : std::string(kNoValueText);
}

} // namespace

std::vector<TorqueSummary> summariseTorqueTests(const TorqueLog& entries) {
    struct Values {
        std::size_t tests = 0;
        std::vector<double> perWeight, hysteresis;
    };
    std::map<std::pair<std::string, int>, std::size_t> found;
    std::vector<std::pair<std::string, int>> order;
    std::vector<Values> values;
    for (const TorqueLogEntry& entry : entries) {
        if (!entry.isTest())
            continue;
        const TorqueTest& test = entry.test();
        auto key = std::make_pair(test.batch, test.type);
        const auto [at, isNew] = found.try_emplace(key, values.size());
        if (isNew) {
            order.push_back(std::move(key));
            values.emplace_back();
        }
        Values& batch = values[at->second];
        ++batch.tests;
        const TorqueEnergy energy = torqueEnergy(test.readings);
        if (const std::optional<double> perGram = energyPerGram(energy.energyOut, test.weight))
            batch.perWeight.push_back(*perGram);
        if (energy.hysteresis)
            batch.hysteresis.push_back(*energy.hysteresis);
    }
    std::vector<TorqueSummary> summaries;
    for (std::size_t i = 0; i < order.size(); ++i) {
        TorqueSummary& summary = summaries.emplace_back();
        summary.batch = order[i].first;
        summary.type = order[i].second;
        summary.tests = values[i].tests;
        summary.perWeight = statisticOf(values[i].perWeight);
        if (const std::optional<Statistic> hysteresis = statisticOf(values[i].hysteresis))
            summary.hysteresis = hysteresis->mean;
    }
    return summaries;
}

std::string torqueSummaryHeader() {
    return "\tTorque tests\tJ/g\tDeviation\tHysteresis (%)";
}

std::string torqueSummaryColumns(const TorqueSummary* summary) {
    if (summary == nullptr)
        return "\t0\t" + std::string(kNoValueText) + '\t' + std::string(kNoValueText) + '\t' +
               std::string(kNoValueText);
    const std::optional<Statistic>& perWeight = summary->perWeight;
    return '\t' + std::to_string(summary->tests) + '\t' +
           orNone(perWeight ? std::optional(perWeight->mean) : std::nullopt, 2) + '\t' +
           orNone(perWeight ? perWeight->deviation : std::nullopt, 2) + '\t' +
           orNone(summary->hysteresis ? std::optional(*summary->hysteresis * 100) : std::nullopt,
                  1);
}

} // namespace kestrune
