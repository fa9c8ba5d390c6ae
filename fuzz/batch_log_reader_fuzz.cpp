// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Any bytes as kes-batches.csv: every unreadable record, of one line or several, is written back
// as it was, on lines of its own, and the log that is written reads back as the same log, each
// record named by the same bytes as before. A record read from the start of the bytes only (as a
// file is read, a piece at a time) is the record of the whole bytes, or not read yet.

#include "batches/batch_log_format.h"
#include "batches/csv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kestrune;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!text.empty()) {
        const std::size_t cut = 1 + data[0] % size;
        const CsvRecord whole = readCsvRecord(text);
        const CsvRecord part = readCsvRecord(text.substr(0, cut), cut == size);
        if (part.length != 0 && (part.length != whole.length || part.fields != whole.fields))
            std::abort();
    }
    const auto entries = parseBatchLog(text);
    if (!entries)
        return 0;
    const std::string saved = formatBatchLog(*entries, 0.042);
    for (const BatchLogEntry& entry : *entries) {
        if (!entry.isTest() &&
            (text.find(entry.unreadable()) == std::string_view::npos ||
             saved.find('\n' + std::string(entry.unreadable()) + '\n') == std::string::npos))
            std::abort();
    }
    const auto again = parseBatchLog(saved);
    if (again != entries)
        std::abort();
    for (std::size_t i = 0; i < entries->size(); ++i) {
        if (!(*entries)[i].isTest() && (*again)[i].recordHash() != (*entries)[i].recordHash())
            std::abort();
    }
    return 0;
}
