// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The summaries of a log's batches kept beside the log: made once when it is read, then changed
// with each test added or taken out, so that a change to a long log summarises one batch again,
// not every one. They are always what summariseBatches gives for the log, to the last bit. A
// batch is kept in few bytes, its name and type in its first test, so that a log of a million
// batches takes little more than its tests.

#include "batch_summary.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kestrune {

class BatchSummaries {
public:
    // Which summaries a change touched: the one taken out (none: npos), then those from first up
    // to end (in the new order) that may read differently; summaries past the old count are new.
    struct Touched {
        std::size_t removed = npos;
        std::size_t first = 0;
        std::size_t end = 0;
    };
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    BatchSummaries() = default;
    BatchSummaries(const BatchLog& entries, double thickness);

    // After the entry at index was added after the last one.
    Touched added(const BatchLog& entries, std::size_t index, double thickness);
    // After the entry at index, a test of that batch and type or an unreadable record (type -1),
    // was taken out.
    Touched removed(const BatchLog& entries, std::size_t index, std::string_view batch, int type,
                    double thickness);

    std::size_t size() const { return kept_.size(); }
    // The summary at i, of the entries it was made and kept for.
    BatchSummary at(std::size_t i, const BatchLog& entries) const;
    std::vector<BatchSummary> all(const BatchLog& entries) const;

private:
    struct KeptStatistic {
        double mean = 0;
        double deviation = 0; // NaN for none
        double least = 0;
        double greatest = 0;
        std::uint32_t count = 0; // 0: no statistic
    };
    struct Kept {
        std::uint32_t first = 0; // the entry of its first test
        std::uint32_t tests = 0;
        KeptStatistic turns, torque, density;
    };

    // The statistic of values as kept (the values are used up), and as shown again.
    static void keep(KeptStatistic& kept, std::vector<double>& values);
    static std::optional<Statistic> shown(const KeptStatistic& kept);
    class Values;
    static void keepAll(Kept& kept, Values& values);
    // The summary of the batch whose first test is the entry first, when it has one.
    std::size_t findFirst(std::size_t first) const;
    // Kept at made again from every test of its batch and type; false when none is left.
    bool summariseAgain(Kept& kept, std::string_view batch, int type, const BatchLog& entries,
                        double thickness);

    std::vector<Kept> kept_; // in the order each batch first appears
};

} // namespace kestrune
