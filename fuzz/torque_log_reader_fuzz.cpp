// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Any bytes as kes-torque.csv: every unreadable record is written back as it was, on lines of its
// own; the log written reads back as the same tests in the same order with the same numbers and
// the same unreadable records (each after the reading it was read after, so their order among
// themselves may change once), and writing that again changes nothing.

#include "batches/torque_log_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Parts {
    std::vector<const kestrune::TorqueLogEntry*> tests;
    std::vector<std::string_view> unreadable;
};

Parts partsOf(const kestrune::TorqueLog& entries) {
    Parts parts;
    for (const kestrune::TorqueLogEntry& entry : entries) {
        if (entry.isTest())
            parts.tests.push_back(&entry);
        else
            parts.unreadable.push_back(entry.unreadable());
    }
    std::sort(parts.unreadable.begin(), parts.unreadable.end());
    return parts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kestrune;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto entries = parseTorqueLog(text);
    if (!entries)
        return 0;
    const std::string saved = formatTorqueLog(*entries);
    for (const TorqueLogEntry& entry : *entries) {
        if (!entry.isTest() &&
            (text.find(entry.unreadable()) == std::string_view::npos ||
             saved.find('\n' + std::string(entry.unreadable()) + '\n') == std::string::npos))
            std::abort();
    }
    const auto again = parseTorqueLog(saved);
    if (!again)
        std::abort();
    const Parts before = partsOf(*entries), after = partsOf(*again);
    if (before.unreadable != after.unreadable || before.tests.size() != after.tests.size())
        std::abort();
    for (std::size_t i = 0; i < before.tests.size(); ++i) {
        if (before.tests[i]->number() != after.tests[i]->number() ||
            !(before.tests[i]->test() == after.tests[i]->test()))
            std::abort();
    }
    if (formatTorqueLog(*again) != saved)
        std::abort();
    return 0;
}
