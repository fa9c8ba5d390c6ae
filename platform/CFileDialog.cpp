// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/CFileDialog.h"

#include "platform/CWnd.h"
#include "platform/detail/seam_calls.h"
#include "platform/win_constants.h"

namespace kestrune::platform {

CFileDialog::CFileDialog(bool openFileDialog, std::string defaultExt, std::string fileName,
                         unsigned flags, std::string filter, CWnd* parent,
                         std::filesystem::path startFolder)
    : open_(openFileDialog), defaultExt_(std::move(defaultExt)), fileName_(std::move(fileName)),
      flags_(flags), filter_(std::move(filter)), parent_(parent),
      startFolder_(std::move(startFolder)) {}

int CFileDialog::DoModal() {
    const FileDialogRequest request{open_,
                                    defaultExt_,
                                    fileName_,
                                    filter_,
                                    startFolder_,
                                    (flags_ & OFN_OVERWRITEPROMPT) != 0,
                                    open_ && (flags_ & OFN_FILEMUSTEXIST) != 0};
    std::optional<std::filesystem::path> chosen =
        detail::runFileDialog(request, parent_ != nullptr ? parent_->widget() : nullptr);
    if (!chosen || chosen->filename().empty()) {
        return IDCANCEL;
    }
    // The process never changes directory, so a relative answer is relative to the start folder.
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(*chosen, error);
    chosen_ = error ? std::move(*chosen) : std::move(absolute);
    return IDOK;
}

std::string CFileDialog::GetFileName() const {
    return chosen_.filename().string();
}

std::filesystem::path CFileDialog::GetFolderPath() const {
    return chosen_.parent_path();
}

} // namespace kestrune::platform
