// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The layer's way through the seams: the hook a test set, else the real desktop.

#include "platform/seams.h"

class QWidget;

namespace kestrune::platform::detail {

void requestHelp(unsigned long context);
std::optional<std::filesystem::path> runFileDialog(const FileDialogRequest& request,
                                                   QWidget* parent);

} // namespace kestrune::platform::detail
