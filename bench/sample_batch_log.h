// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A log of break tests in forty batches for the benchmarks, its notes with a comma, quotes and a
// line break so that every record is quoted as a spreadsheet would write it.

#include "batches/batch_log_file.h"

#include <string>

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

} // namespace kestrune::bench
