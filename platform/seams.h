#pragma once
// The places where the program meets the desktop outside its own windows: file dialogs, the
// help viewer and warnings. Each can be replaced by a function (tests do); an empty function
// brings back the real one.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune::platform {

struct FileDialogRequest {
    bool open; // an open dialog, else a save dialog
    std::string defaultExt, fileName, filter;
    std::filesystem::path startFolder;
    bool confirmOverwrite; // ask before replacing an existing file
    bool mustExist;        // an open dialog: refuse the name of a file that does not exist
};

// The answer is the chosen file with its folder, or nothing for Cancel.
void setFileDialogHook(
    std::function<std::optional<std::filesystem::path>(const FileDialogRequest&)> hook);
// Receives the context number of each help request.
void setHelpHook(std::function<void(unsigned long context)> hook);
// Receives each warning instead of a message box.
void setMessageHook(std::function<void(const std::string& caption, const std::string& text)> hook);

// A warning the user must acknowledge (modal over the active window).
void AfxMessageBox(std::string_view caption, std::string_view text);

} // namespace kestrune::platform
