// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The places where the program meets the desktop outside its own windows: file dialogs, the
// help viewer, warnings and the clipboard (printing: print.h). Each can be replaced by a function;
// an empty function brings back the real one.

#include "platform/win_constants.h"

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
// Receives each warning (a message box with OK) instead of the message box. Questions are always
// shown; tests answer them as any other modal window.
void setMessageHook(std::function<void(const std::string& caption, const std::string& text)> hook);
// Receives each text put on the clipboard instead of the clipboard.
void setClipboardHook(std::function<void(const std::string& text)> hook);

// A message the user must answer, modal over the active window: MB_OK (a warning), MB_YESNO or
// MB_SAVEDISCARDCANCEL (questions). The button chosen: IDOK, IDYES, IDNO or IDCANCEL.
int AfxMessageBox(std::string_view caption, std::string_view text, unsigned type = MB_OK);

// Puts UTF-8 text on the desktop's clipboard, where the next paste anywhere takes it from.
void SetClipboardText(std::string_view text);
// The clipboard's text as UTF-8; empty when it holds none.
std::string GetClipboardText();

} // namespace kestrune::platform
