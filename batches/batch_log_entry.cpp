// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_log_entry.h"

#include "core/iso_date.h"

#include <utility>

namespace kestrune {

BatchLogEntry::BatchLogEntry(const BreakTest& test) : BatchLogEntry(BreakTest(test)) {}

BatchLogEntry::BatchLogEntry(BreakTest&& test)
    : text_(std::move(test.note)), length_(test.length), torque_(test.torque.value_or(0)),
      weight_(test.weight.value_or(0)), turns_(test.turns),
      batchBytes_(static_cast<std::uint32_t>(test.batch.size())),
      type_(static_cast<std::int8_t>(test.type)), width_(static_cast<std::uint8_t>(test.width)),
      strands_(static_cast<std::uint8_t>(test.strands)) {
    // The batch goes before the note in the note's own bytes: a long note is not copied.
    text_.insert(0, test.batch);
    for (const char c : test.date) {
        if (c != '-')
            date_ = date_ * 10 + static_cast<std::uint32_t>(c - '0');
    }
}

BatchLogEntry BatchLogEntry::unreadableRecord(std::string_view line) {
    BatchLogEntry entry;
    entry.text_ = line;
    return entry;
}

BreakTest BatchLogEntry::numbers() const {
    const auto optional = [](double value) {
        return value > 0 ? std::optional(value) : std::nullopt;
    };
    return BreakTest{
        {}, {}, type_, width_, strands_, length_, turns_, optional(torque_), optional(weight_), {}};
}

std::optional<BreakTest> BatchLogEntry::test() const {
    if (!isTest())
        return std::nullopt;
    BreakTest test = numbers();
    const auto date = static_cast<int>(date_);
    test.batch = batch();
    test.date = formatIsoDate(date / 10000, date / 100 % 100, date % 100);
    test.note = text_.substr(batchBytes_);
    return test;
}

} // namespace kestrune
