// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Logs of break tests for the benchmarks. The sample log has forty batches, its notes with a
// comma, quotes and a line break so that every record is quoted as a spreadsheet would write it.
// The large log is the longest a modeller could keep: about 60 MiB of tests, each its own batch,
// every record 64 bytes as the program writes it, made a piece at a time.

#include "batches/batch_log_file.h"

#include <string>
#include <utility>

namespace kestrune::bench {

inline BatchLog sampleBatchLog(std::size_t tests) {
    BatchLog log;
    for (std::size_t i = 0; i < tests; ++i) {
        const auto n = static_cast<int>(i % 100);
        log.emplace_back(BreakTest{"Batch " + std::to_string(i % 40), "2026-03-14", n % 3, n % 5,
                                   2 + n % 30, 10 + n * 0.25, 900 + n * 7, 2.5 + n * 0.01,
                                   3.0 + n % 2, "wound at the field, \"dry\"\nsecond line"});
    }
    return log;
}

// 983,040 records of 64 bytes: 60 MiB.
inline constexpr std::size_t kLargeLogTests = 983'040;
inline constexpr std::size_t kLargeLogRecordBytes = 64;

// Test i of the large log: batch "B" and its number, and a note that makes its record 64 bytes.
inline BreakTest largeLogTest(std::size_t i) {
    const auto n = static_cast<int>(i % 10);
    BreakTest test{"B" + std::to_string(1'000'000 + i),
                   "2026-03-14",
                   n % 3,
                   2,
                   2,
                   10,
                   500 + n * 10,
                   std::nullopt,
                   std::nullopt,
                   ""};
    const std::size_t bytes = formatBreakTestRecord(test, 0.042).size() + 1;
    test.note.assign(bytes < kLargeLogRecordBytes ? kLargeLogRecordBytes - bytes : 0, 'n');
    return test;
}

// The text of the large log (or of its first tests), as the program writes it.
inline PieceSource largeBatchLogPieces(std::size_t tests = kLargeLogTests) {
    return [tests, next = std::size_t{0}, piece = std::string()]() mutable -> std::string_view {
        piece.clear();
        if (next == 0)
            piece = batchLogHeader() + '\n';
        for (; next < tests && piece.size() < (std::size_t{64} << 10); ++next) {
            appendBreakTestRecord(piece, largeLogTest(next), 0.042);
            piece += '\n';
        }
        return piece;
    };
}

} // namespace kestrune::bench
