// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Any bytes as kes-batches.csv: every unreadable line is written back as it was, and the log
// that is written reads back as the same log.

#include "list/batch_log.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kestrune;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto entries = parseBatchLog(text);
    if (!entries)
        return 0;
    const std::string saved = formatBatchLog(*entries, 0.042);
    for (const BatchLogEntry& entry : *entries) {
        if (!entry.isTest() && text.find(entry.unreadable()) == std::string_view::npos)
            std::abort();
    }
    if (parseBatchLog(saved) != entries)
        std::abort();
    return 0;
}
