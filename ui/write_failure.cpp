#include "ui/write_failure.h"

#include "platform/seams.h"

namespace kestrune {
namespace {

std::string writeFailureText(const std::filesystem::path& file, std::string_view reason,
                             std::string_view consequence) {
    std::string text = "Kestrune could not save \"" + file.string() + "\": ";
    text += reason;
    text += ".";
    if (!consequence.empty()) {
        text += "\n\n";
        text += consequence;
    }
    return text;
}

} // namespace

bool reportWriteFailure(const std::filesystem::path& file, const WriteResult& result,
                        std::string_view consequence) {
    if (result.ok)
        return false;
    platform::AfxMessageBox("Kestrune", writeFailureText(file, result.reason, consequence));
    return true;
}

} // namespace kestrune
