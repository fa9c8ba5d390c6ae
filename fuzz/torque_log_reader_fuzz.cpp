// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Any bytes as kes-torque.csv: every unreadable record is written back as it was, on lines of its
// own; the log written reads back as the same entries in the same order (tests with the same
// numbers and readings, the same unreadable records), and writing that again changes nothing.

#include "batches/torque_log_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

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
    if (!again || again->size() != entries->size())
        std::abort();
    for (std::size_t i = 0; i < entries->size(); ++i) {
        const TorqueLogEntry& a = (*entries)[i];
        const TorqueLogEntry& b = (*again)[i];
        if (a.number() != b.number() || a.unreadable() != b.unreadable() ||
            (a.isTest() && !(a.test() == b.test())))
            std::abort();
    }
    if (formatTorqueLog(*again) != saved)
        std::abort();
    return 0;
}
