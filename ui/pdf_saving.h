// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Save PDF… on the pages that print: where to, then the bytes, and a failure told.

#include "ui/file_reports.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kestrune {

namespace platform {
class CWnd;
}

// Asks where to save, starting where the last PDF went (else the documents folder), which the
// folder then holds; writes what render gives and reports a failure, saying what stays.
void savePdfReported(platform::CWnd* page, std::filesystem::path& folder, const char* suggestedName,
                     const std::function<std::string()>& render, std::string_view consequence,
                     Replacing replacing);

} // namespace kestrune
