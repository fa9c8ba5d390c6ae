// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/pdf_saving.h"

#include "files/disk_file.h"
#include "list/list_files.h"
#include "platform/CFileDialog.h"
#include "platform/win_constants.h"
#include "ui/user_folders.h"

namespace kestrune {

void savePdfReported(platform::CWnd* page, std::filesystem::path& folder, const char* suggestedName,
                     const std::function<std::string()>& render, std::string_view consequence,
                     Replacing replacing) {
    platform::CFileDialog dialog(false, "pdf", suggestedName, platform::OFN_OVERWRITEPROMPT,
                                 "PDF files (*.pdf)|*.pdf|All files (*)|*||", page,
                                 folder.empty() ? documentsFolder() : folder);
    if (dialog.DoModal() != platform::IDOK)
        return;
    folder = dialog.GetFolderPath();
    DiskFile file(folder / withDefaultExtension(dialog.GetFileName(), ".pdf"));
    saveReported(
        file,
        [&] {
            const std::string pdf = render();
            return pdf.empty() ? FileResult::failure("the PDF could not be made") : file.write(pdf);
        },
        consequence, replacing);
}

} // namespace kestrune
