// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Any bytes as a list file: every row comes back whole, and saving what was loaded and loading
// it again gives the same rows.

#include "list/list_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kestrune;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> rows = parseListText(text);
    std::size_t bytes = 0;
    for (const std::string& row : rows) {
        if (row.find('\n') != std::string::npos)
            std::abort();
        bytes += row.size();
    }
    if (bytes > size)
        std::abort();
    const std::string saved = formatListText(rows);
    if (parseListText(saved) != rows)
        std::abort();
    return 0;
}
