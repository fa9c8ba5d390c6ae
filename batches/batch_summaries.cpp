// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_summaries.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

namespace kestrune {
namespace {

constexpr std::uint32_t kNone = UINT32_MAX;

bool isOf(const BatchLogEntry& entry, std::string_view batch, int type) {
    return entry.type() == type && entry.batch() == batch;
}

} // namespace

// The values of one batch's tests, in the order of the log.
class BatchSummaries::Values {
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
    std::uint32_t tests() const { return tests_; }
    // The tests counted again from none, for the next batch.
    std::uint32_t takeTests() { return std::exchange(tests_, 0); }
    std::vector<double>& turns() { return turns_; }
    std::vector<double>& torque() { return torque_; }
    std::vector<double>& density() { return density_; }

private:
    std::uint32_t tests_ = 0;
    std::vector<double> turns_, torque_, density_;
};

void BatchSummaries::keep(KeptStatistic& kept, std::vector<double>& values) {
    const std::optional<Statistic> s = statisticOf(values);
    kept = {};
    if (s) {
        kept = {s->mean, s->deviation.value_or(std::numeric_limits<double>::quiet_NaN()), s->least,
                s->greatest, static_cast<std::uint32_t>(s->count)};
    }
    values.clear();
}

std::optional<Statistic> BatchSummaries::shown(const KeptStatistic& kept) {
    if (kept.count == 0)
        return std::nullopt;
    return Statistic{kept.count, kept.mean,
                     std::isnan(kept.deviation) ? std::nullopt : std::optional(kept.deviation),
                     kept.least, kept.greatest};
}

void BatchSummaries::keepAll(Kept& kept, Values& values) {
    kept.tests = values.takeTests();
    keep(kept.turns, values.turns());
    keep(kept.torque, values.torque());
    keep(kept.density, values.density());
}

BatchSummaries::BatchSummaries(const BatchLog& entries, double thickness) {
    // Each test's batch, found through a table of summary numbers by the hash of batch and type:
    // a log of a million batches needs no map node a batch. A slot holds the upper half of the
    // hash too, so that a batch seen first is told apart from the others without their names.
    struct Slot {
        std::uint32_t summary = kNone;
        std::uint32_t hash = 0;
    };
    const std::size_t slotCount = std::bit_ceil(2 * entries.size() + 2);
    std::vector<Slot> slots(slotCount);
    std::vector<std::uint32_t> summaryOf(entries.size(), kNone);
    // Room for every test to be a batch of its own, and for batches added later, so that the
    // summaries are never moved; memory is taken only as far as they fill it.
    constexpr std::size_t kRoomToGrow = 4096;
    kept_.reserve(entries.size() + kRoomToGrow);
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
            if (slots[at].hash == high &&
                isOf(entries[kept_[slots[at].summary].first], batch, entry.type()))
                break;
        }
        if (slots[at].summary == kNone) {
            slots[at] = {static_cast<std::uint32_t>(kept_.size()), high};
            kept_.push_back({static_cast<std::uint32_t>(i), 0, {}, {}, {}});
        }
        summaryOf[i] = slots[at].summary;
        ++kept_[slots[at].summary].tests;
    }
    slots = {};
    // The tests of each batch together, in the order of the log: every batch is summarised from
    // its own values, one batch at a time.
    std::vector<std::uint32_t> end(kept_.size() + 1, 0);
    for (std::size_t s = 0; s < kept_.size(); ++s)
        end[s + 1] = end[s] + kept_[s].tests;
    std::vector<std::uint32_t> order(end.back());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (summaryOf[i] != kNone)
            order[end[summaryOf[i]]++] = static_cast<std::uint32_t>(i);
    }
    summaryOf = {};
    Values values;
    std::uint32_t from = 0;
    for (std::size_t s = 0; s < kept_.size(); ++s) {
        for (; from < end[s]; ++from)
            values.add(entries[order[from]], thickness);
        keepAll(kept_[s], values);
    }
}

BatchSummary BatchSummaries::at(std::size_t i, const BatchLog& entries) const {
    const Kept& kept = kept_.at(i);
    const BatchLogEntry& first = entries.at(kept.first);
    BatchSummary summary;
    summary.batch = first.batch();
    summary.type = first.type();
    summary.tests = kept.tests;
    summary.turns = shown(kept.turns);
    summary.torque = shown(kept.torque);
    summary.density = shown(kept.density);
    return summary;
}

std::vector<BatchSummary> BatchSummaries::all(const BatchLog& entries) const {
    std::vector<BatchSummary> list;
    for (std::size_t i = 0; i < kept_.size(); ++i)
        list.push_back(at(i, entries));
    return list;
}

std::size_t BatchSummaries::findFirst(std::size_t first) const {
    const auto at =
        std::lower_bound(kept_.begin(), kept_.end(), first,
                         [](const Kept& kept, std::size_t f) { return kept.first < f; });
    return at != kept_.end() && at->first == first ? static_cast<std::size_t>(at - kept_.begin())
                                                   : npos;
}

bool BatchSummaries::summariseAgain(Kept& kept, std::string_view batch, int type,
                                    const BatchLog& entries, double thickness) {
    Values values;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!isOf(entries[i], batch, type))
            continue;
        if (values.tests() == 0)
            kept.first = static_cast<std::uint32_t>(i);
        values.add(entries[i], thickness);
    }
    if (values.tests() == 0)
        return false;
    keepAll(kept, values);
    return true;
}

BatchSummaries::Touched BatchSummaries::added(const BatchLog& entries, std::size_t index,
                                              double thickness) {
    const BatchLogEntry& entry = entries[index];
    if (!entry.isTest())
        return {};
    // Its batch's first test, found in the order of the log, names its summary.
    std::size_t first = 0;
    while (!isOf(entries[first], entry.batch(), entry.type()))
        ++first;
    std::size_t at = findFirst(first);
    if (at == npos) {
        at = kept_.size();
        kept_.push_back({static_cast<std::uint32_t>(index), 0, {}, {}, {}});
    }
    summariseAgain(kept_[at], entry.batch(), entry.type(), entries, thickness);
    return {npos, at, at + 1};
}

BatchSummaries::Touched BatchSummaries::removed(const BatchLog& entries, std::size_t index,
                                                std::string_view batch, int type,
                                                double thickness) {
    std::size_t at = npos;
    for (std::size_t s = 0; s < kept_.size(); ++s) {
        at = kept_[s].first == index && type >= 0 ? s : at;
        kept_[s].first -= kept_[s].first > index ? 1 : 0;
    }
    if (type < 0)
        return {};
    if (at == npos) {
        // A later test of its batch: the batch's first test names it still.
        std::size_t first = 0;
        while (!isOf(entries[first], batch, type))
            ++first;
        at = findFirst(first);
    }
    if (!summariseAgain(kept_[at], batch, type, entries, thickness)) {
        kept_.erase(kept_.begin() + static_cast<std::ptrdiff_t>(at));
        return {at, at, at};
    }
    // Its first test gone, the batch first appears later: the summaries stay in that order.
    const auto later = std::upper_bound(
        kept_.begin() + static_cast<std::ptrdiff_t>(at) + 1, kept_.end(), kept_[at].first,
        [](std::size_t first, const Kept& kept) { return first < kept.first; });
    const auto to = static_cast<std::size_t>(later - kept_.begin()) - 1;
    std::rotate(kept_.begin() + static_cast<std::ptrdiff_t>(at),
                kept_.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                kept_.begin() + static_cast<std::ptrdiff_t>(to) + 1);
    return {npos, at, to + 1};
}

} // namespace kestrune
