// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The seams' entry points for the layer, and the real desktop behind them.

#include "platform/seams.h"

class QWidget;

namespace kestrune::platform::detail {

// Through the help hook, or the real viewer.
void requestHelp(unsigned long context);
// Through the file dialog hook, or the real dialog.
std::optional<std::filesystem::path> runFileDialog(const FileDialogRequest& request,
                                                   QWidget* parent);

// The real ones.
void showHelpViewer(unsigned long context);
void closeHelpViewer();
std::optional<std::filesystem::path> showFileDialog(const FileDialogRequest& request,
                                                    QWidget* parent);
int showMessageBox(const std::string& caption, const std::string& text, unsigned type);

} // namespace kestrune::platform::detail
