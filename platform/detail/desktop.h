// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The real file dialog and message box behind the seams.

#include "platform/seams.h"

#include <QFontMetrics>
#include <QString>

class QWidget;

namespace kestrune::platform::detail {

std::optional<std::filesystem::path> showFileDialog(const FileDialogRequest& request,
                                                    QWidget* parent);
int showMessageBox(const std::string& caption, const std::string& text, unsigned type);

// The text with every word (a run without blanks) wider than width shortened in the middle with
// "…", so a long file name keeps its start and its end.
QString shortenLongWords(const QString& text, const QFontMetrics& metrics, int width);

} // namespace kestrune::platform::detail
