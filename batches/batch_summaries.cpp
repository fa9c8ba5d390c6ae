// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_summaries.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>

namespace kestrune {
namespace {

constexpr std::uint32_t kNone = UINT32_MAX;

bool isOf(const BatchLogEntry& entry, std::string_view batch, int type) {
    return entry.type() == type && entry.batch() == batch;
}

// The values of one batch's tests, in the order of the log, and what they make of its summary.
class BatchValues {
public:
    void add(const BatchLogEntry& entry, double thickness) {
        const TestConstants constants = constantsOf(entry.numbers(), thickness);
        ++tests_;
        if (constants.turns)
            turns_.push_back(*constants.turns);
        if (constants.torque)
            torque_.push_back(*constants.torque);
        if (constants.density)
            density_.push_back(*constants.density);
    }
    std::size_t tests() const { return tests_; }
    // Into the summary; ready for the next batch.
    void give(BatchSummary& summary) {
        summary.tests = tests_;
        summary.turns = statisticOf(turns_);
        summary.torque = statisticOf(torque_);
        summary.density = statisticOf(density_);
        tests_ = 0;
        turns_.clear();
        torque_.clear();
        density_.clear();
    }

private:
    std::size_t tests_ = 0;
    std::vector<double> turns_, torque_, density_;
};

} // namespace

BatchSummaries::BatchSummaries(const BatchLog& entries, double thickness) {
    // Each test's summary, found through a table of summary numbers by the hash of batch and type:
    // a log of a million batches needs no map node a batch.
    // A slot holds a summary's number and the upper half of its hash, so that a batch seen
    // first is told apart from the others without a look at their names.
    struct Slot {
        std::uint32_t summary = kNone;
        std::uint32_t hash = 0;
    };
    const std::size_t slotCount = std::bit_ceil(2 * entries.size() + 2);
    std::vector<Slot> slots(slotCount);
    std::vector<std::uint32_t> summaryOf(entries.size(), kNone);
    std::vector<std::uint32_t> tests;
    summaries_.reserve(entries.size()); // touched only as far as it is used
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const BatchLogEntry& entry = entries[i];
        if (!entry.isTest())
            continue;
        const std::string_view batch = entry.batch();
        const std::uint64_t hash = std::hash<std::string_view>{}(batch) ^
                                   static_cast<std::uint64_t>(entry.type()) * 0x9E3779B97F4A7C15U;
        const auto high = static_cast<std::uint32_t>(hash >> 32U);
        std::size_t at = hash & (slotCount - 1);
        for (; slots[at].summary != kNone; at = (at + 1) & (slotCount - 1)) {
            const BatchSummary& seen = summaries_[slots[at].summary];
            if (slots[at].hash == high && seen.type == entry.type() && seen.batch == batch)
                break;
        }
        if (slots[at].summary == kNone) {
            slots[at] = {static_cast<std::uint32_t>(summaries_.size()), high};
            BatchSummary& summary = summaries_.emplace_back();
            summary.batch = batch;
            summary.type = entry.type();
            first_.push_back(i);
            tests.push_back(0);
        }
        summaryOf[i] = slots[at].summary;
        ++tests[slots[at].summary];
    }
    slots = {};
    summaries_.shrink_to_fit();
    // The tests of each batch together, in the order of the log: every batch is summarised from
    // its own values, one batch at a time.
    std::vector<std::uint32_t> start(summaries_.size() + 1, 0);
    for (std::size_t s = 0; s < summaries_.size(); ++s)
        start[s + 1] = start[s] + tests[s];
    std::vector<std::uint32_t> order(start.back());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (summaryOf[i] != kNone)
            order[start[summaryOf[i]]++] = static_cast<std::uint32_t>(i);
    }
    BatchValues values;
    std::uint32_t from = 0;
    for (std::size_t s = 0; s < summaries_.size(); ++s) {
        for (; from < start[s]; ++from)
            values.add(entries[order[from]], thickness);
        values.give(summaries_[s]);
    }
}

std::size_t BatchSummaries::find(std::string_view batch, int type) const {
    for (std::size_t s = 0; s < summaries_.size(); ++s) {
        if (summaries_[s].type == type && summaries_[s].batch == batch)
            return s;
    }
    return npos;
}

bool BatchSummaries::summariseAgain(std::size_t at, const BatchLog& entries, double thickness) {
    BatchSummary& summary = summaries_[at];
    BatchValues values;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!isOf(entries[i], summary.batch, summary.type))
            continue;
        if (values.tests() == 0)
            first_[at] = i;
        values.add(entries[i], thickness);
    }
    if (values.tests() == 0)
        return false;
    values.give(summary);
    return true;
}

BatchSummaries::Touched BatchSummaries::added(const BatchLog& entries, std::size_t index,
                                              double thickness) {
    const BatchLogEntry& entry = entries[index];
    if (!entry.isTest())
        return {};
    std::size_t at = find(entry.batch(), entry.type());
    if (at == npos) {
        at = summaries_.size();
        BatchSummary& summary = summaries_.emplace_back();
        summary.batch = entry.batch();
        summary.type = entry.type();
        first_.push_back(index);
    }
    summariseAgain(at, entries, thickness);
    return {npos, at, at + 1};
}

BatchSummaries::Touched BatchSummaries::removed(const BatchLog& entries, std::size_t index,
                                                std::string_view batch, int type,
                                                double thickness) {
    for (std::size_t& first : first_)
        first -= first > index ? 1 : 0;
    const std::size_t at = type < 0 ? npos : find(batch, type);
    if (at == npos)
        return {};
    if (!summariseAgain(at, entries, thickness)) {
        summaries_.erase(summaries_.begin() + static_cast<std::ptrdiff_t>(at));
        first_.erase(first_.begin() + static_cast<std::ptrdiff_t>(at));
        return {at, at, at};
    }
    // Its first test gone, the batch first appears later: the summaries stay in that order.
    const auto later = std::upper_bound(first_.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                                        first_.end(), first_[at]);
    const auto to = static_cast<std::size_t>(later - first_.begin()) - 1;
    const auto rotate = [at, to](auto& list) {
        std::rotate(list.begin() + static_cast<std::ptrdiff_t>(at),
                    list.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                    list.begin() + static_cast<std::ptrdiff_t>(to) + 1);
    };
    rotate(summaries_);
    rotate(first_);
    return {npos, at, to + 1};
}

} // namespace kestrune
