#pragma once
// Tells the user that a file could not be written: which file, why, and what it means.

#include "core/file_io.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kestrune {

// "Kestrune could not save "<file>": <reason>." followed by the consequence.
std::string writeFailureText(const std::filesystem::path& file, std::string_view reason,
                             std::string_view consequence);

// Shows the warning when result is a failure; true when it was.
bool reportWriteFailure(const std::filesystem::path& file, const WriteResult& result,
                        std::string_view consequence);

} // namespace kestrune
