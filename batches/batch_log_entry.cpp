// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_log_entry.h"

#include "core/iso_date.h"

namespace kestrune {

BatchLogEntry::BatchLogEntry(const BreakTest& test)
    : text_(test.batch + test.note), length_(test.length), torque_(test.torque.value_or(0)),
      weight_(test.weight.value_or(0)), turns_(test.turns),
      batchBytes_(static_cast<std::uint32_t>(test.batch.size())),
      type_(static_cast<std::int8_t>(test.type)), width_(static_cast<std::uint8_t>(test.width)),
      strands_(static_cast<std::uint8_t>(test.strands)) {
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

std::optional<BreakTest> BatchLogEntry::test() const {
    if (!isTest())
        return std::nullopt;
    const auto optional = [](double value) {
        return value > 0 ? std::optional(value) : std::nullopt;
    };
    const auto date = static_cast<int>(date_);
    return BreakTest{std::string(batch()),
                     formatIsoDate(date / 10000, date / 100 % 100, date % 100),
                     type_,
                     width_,
                     strands_,
                     length_,
                     turns_,
                     optional(torque_),
                     optional(weight_),
                     text_.substr(batchBytes_)};
}

} // namespace kestrune
