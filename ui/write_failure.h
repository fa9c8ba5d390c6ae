#pragma once
// Tells the user that a file could not be written: which file, why, and what it means.

#include "core/file_io.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kestrune {

// Shows the warning when result is a failure ("Kestrune could not save "<file>": <reason>."
// and the consequence); true when it was.
bool reportWriteFailure(const std::filesystem::path& file, const WriteResult& result,
                        std::string_view consequence);

} // namespace kestrune
