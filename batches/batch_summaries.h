// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The summaries of a log's batches kept beside the log: made once when it is read, then changed
// with each test added or taken out, so that a change to a long log summarises one batch again,
// not every one. They are always what summariseBatches gives for the log, to the last bit.

#include "batch_summary.h"

#include <cstddef>
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

    const std::vector<BatchSummary>& all() const { return summaries_; }

private:
    std::size_t find(std::string_view batch, int type) const;
    // Summary at made again from every test of its batch and type; false when none is left.
    bool summariseAgain(std::size_t at, const BatchLog& entries, double thickness);

    std::vector<BatchSummary> summaries_;
    std::vector<std::size_t> first_; // where each summary's batch first appears in the log
};

} // namespace kestrune
