// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The open and save file dialogs, behind the file dialog seam.

#include <filesystem>
#include <string>

namespace kestrune::platform {

class CWnd;

inline constexpr unsigned OFN_OVERWRITEPROMPT = 0x0002; // ask before replacing an existing file
inline constexpr unsigned OFN_FILEMUSTEXIST = 0x1000;

// Without OFN_FILEMUSTEXIST an open dialog takes a name that does not exist yet; a name typed
// without any "." gets defaultExt before the dialog asks about replacing a file, so the file
// asked about is the file returned.
class CFileDialog {
public:
    // filter: pairs "Description|pattern" separated by '|', ending in "||", for example
    // "Motor Lists (*.dta)|*.dta|All Files (*.*)|*.*||". defaultExt without the dot.
    CFileDialog(bool openFileDialog, std::string defaultExt, std::string fileName, unsigned flags,
                std::string filter, CWnd* parent, std::filesystem::path startFolder = {});

    // IDOK when the user chose a file, else IDCANCEL.
    int DoModal();
    // Bare name of the chosen file.
    std::string GetFileName() const;
    // Its folder (the process never changes directory).
    std::filesystem::path GetFolderPath() const;
    // Folder and name together.
    std::filesystem::path GetPathName() const { return chosen_; }

private:
    bool open_;
    std::string defaultExt_;
    std::string fileName_;
    unsigned flags_;
    std::string filter_;
    CWnd* parent_;
    std::filesystem::path startFolder_;
    std::filesystem::path chosen_;
};

} // namespace kestrune::platform
