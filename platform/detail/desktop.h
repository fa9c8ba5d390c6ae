// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The real file dialog and message box behind the seams.

#include "platform/seams.h"

class QWidget;

namespace kestrune::platform::detail {

std::optional<std::filesystem::path> showFileDialog(const FileDialogRequest& request,
                                                    QWidget* parent);
int showMessageBox(const std::string& caption, const std::string& text, unsigned type);

} // namespace kestrune::platform::detail
