// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What the logged break tests say about each batch of rubber: every test's own constants, and
// per batch and type their number, mean, spread and range.

#include "batch_log_entry.h"
#include "core/calibration.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrune {

// A test's turns constant, torque constant (with a torque) and the rubber's density in g/cm^3
// (with a weight, for strip of the given thickness in inches); nothing where they give no
// finite number above 0.
struct TestConstants {
    std::optional<double> turns;
    std::optional<double> torque;
    std::optional<double> density;
};
TestConstants constantsOf(const BreakTest& test, double thickness);

struct Statistic {
    std::size_t count = 0;
    double mean = 0;
    std::optional<double> deviation; // sample standard deviation; none for a single value
    double least = 0;
    double greatest = 0;

    friend bool operator==(const Statistic&, const Statistic&) = default;
};

// The statistic of finite values: the mean (its rounding corrected by a second pass), then the
// spread around it, so that close values keep their spread; nothing for no values.
std::optional<Statistic> statisticOf(std::span<const double> values);

struct BatchSummary {
    std::string batch;
    int type = TanII;
    std::size_t tests = 0; // readable tests of this batch and type
    std::optional<Statistic> turns;
    std::optional<Statistic> torque;  // of the tests with a torque
    std::optional<Statistic> density; // of the tests with a weight

    friend bool operator==(const BatchSummary&, const BatchSummary&) = default;
};

// One summary per batch and type, in the order each first appears in the log; unreadable
// entries count nowhere. BatchSummaries keeps them up to date as the log changes.
std::vector<BatchSummary> summariseBatches(const BatchLog& entries, double thickness);

// "Use" for a summary: its mean turns constant, and its mean torque constant when it has torque
// tests, applied to its type as useBatchConstants does. Ask canUseSummary before asking the user.
bool canUseSummary(const BatchSummary& summary);
CalibrationResult useSummary(CalcState& state, const BatchSummary& summary);

} // namespace kestrune
