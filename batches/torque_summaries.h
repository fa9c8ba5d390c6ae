// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What a batch's torque tests say, per batch and type, for the Batch Log's "Batches": how many,
// the energy out per gram (mean and sample deviation) and the mean hysteresis.

#include "batch_summary.h"
#include "torque_log_file.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrune {

struct TorqueSummary {
    std::string batch;
    int type = TanII;
    std::size_t tests = 0;
    std::optional<Statistic> perWeight; // J/g, of the tests with a weight and energy out
    std::optional<double> hysteresis;   // mean, as a share, of the tests with both phases

    friend bool operator==(const TorqueSummary&, const TorqueSummary&) = default;
};

// One summary per batch and type, in the order each first appears in the log.
std::vector<TorqueSummary> summariseTorqueTests(const TorqueLog& entries);

// The Batches columns they add: their header, and a summary's texts (J/g "%.2f", hysteresis
// "%.1f" %), each behind a tab; a batch without torque tests gives "0" and "–".
std::string torqueSummaryHeader();
std::string torqueSummaryColumns(const TorqueSummary* summary);

} // namespace kestrune
