// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A logged test as the log keeps it in memory: its numbers packed beside one string holding its
// batch and note, so that a long log takes little more than its file. Or a record that could not
// be read, kept byte for byte (without its line end).

#include "break_test.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

class BatchLogEntry {
public:
    // The test must be loggable; one given away leaves its note's bytes to the entry.
    explicit BatchLogEntry(const BreakTest& test);
    explicit BatchLogEntry(BreakTest&& test);
    static BatchLogEntry unreadableRecord(std::string_view line);

    bool isTest() const { return type_ >= 0; }
    // The test, made again from what is kept; nothing for an unreadable record.
    std::optional<BreakTest> test() const;
    // A test's type, -1 for an unreadable record, and its numbers alone (no batch, date or note),
    // which are all its constants are computed from.
    int type() const { return type_; }
    BreakTest numbers() const;
    // The record as it was read; empty for a test.
    std::string_view unreadable() const { return isTest() ? std::string_view() : text_; }
    // A test's batch, without making the whole test.
    std::string_view batch() const { return std::string_view(text_).substr(0, batchBytes_); }

    // What names the record this entry was last read from or written as, so that a change made
    // after another program rewrote the file finds it: a hash of the record's bytes (0 for an
    // entry never read or written). Not part of what the entry is: one test may be written in
    // more than one way.
    std::uint64_t recordHash() const { return recordHash_; }
    void setRecordHash(std::uint64_t hash) { recordHash_ = hash; }

    friend bool operator==(const BatchLogEntry& a, const BatchLogEntry& b) {
        return a.text_ == b.text_ && a.length_ == b.length_ && a.torque_ == b.torque_ &&
               a.weight_ == b.weight_ && a.turns_ == b.turns_ && a.batchBytes_ == b.batchBytes_ &&
               a.date_ == b.date_ && a.type_ == b.type_ && a.width_ == b.width_ &&
               a.strands_ == b.strands_;
    }

private:
    BatchLogEntry() = default;

    std::string text_; // a test's batch, then its note; an unreadable record's bytes
    double length_ = 0;
    double torque_ = 0; // 0: none given (a logged torque is above 0)
    double weight_ = 0; // 0: none given
    std::int32_t turns_ = 0;
    std::uint32_t batchBytes_ = 0;
    std::uint32_t date_ = 0; // year * 10000 + month * 100 + day
    std::int8_t type_ = -1;  // -1: an unreadable record
    std::uint8_t width_ = 0;
    std::uint8_t strands_ = 0;
    std::uint64_t recordHash_ = 0;
};

// The entries of a log in the order of its file. Entries stay where they are as the log grows,
// so that adding to a long log never holds it twice.
using BatchLog = std::deque<BatchLogEntry>;

} // namespace kestrune
