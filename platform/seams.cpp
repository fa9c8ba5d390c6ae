// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/seams.h"

#include "platform/detail/desktop.h"
#include "platform/detail/help_viewer.h"
#include "platform/detail/qt_text.h"
#include "platform/detail/seam_calls.h"

#include <QClipboard>
#include <QGuiApplication>

namespace kestrune::platform {

namespace {

struct Hooks {
    std::function<std::optional<std::filesystem::path>(const FileDialogRequest&)> fileDialog;
    std::function<void(unsigned long)> help;
    std::function<void(const std::string&, const std::string&)> message;
    std::function<void(const std::string&)> clipboard;
};

Hooks& hooks() {
    static Hooks installed;
    return installed;
}

} // namespace

void setFileDialogHook(
    std::function<std::optional<std::filesystem::path>(const FileDialogRequest&)> hook) {
    hooks().fileDialog = std::move(hook);
}

void setHelpHook(std::function<void(unsigned long context)> hook) {
    hooks().help = std::move(hook);
}

void setMessageHook(std::function<void(const std::string& caption, const std::string& text)> hook) {
    hooks().message = std::move(hook);
}

void setClipboardHook(std::function<void(const std::string& text)> hook) {
    hooks().clipboard = std::move(hook);
}

int AfxMessageBox(std::string_view caption, std::string_view text, unsigned type) {
    const std::string captionText(caption);
    const std::string bodyText(text);
    if (type == MB_OK && hooks().message) {
        hooks().message(captionText, bodyText);
        return IDOK;
    }
    return detail::showMessageBox(captionText, bodyText, type);
}

void SetClipboardText(std::string_view text) {
    if (hooks().clipboard) {
        hooks().clipboard(std::string(text));
        return;
    }
    QGuiApplication::clipboard()->setText(detail::qtText(text));
}

std::string GetClipboardText() {
    return detail::stdText(QGuiApplication::clipboard()->text());
}

namespace detail {

void requestHelp(unsigned long context) {
    if (hooks().help) {
        hooks().help(context);
    } else {
        showHelpViewer(context);
    }
}

std::optional<std::filesystem::path> runFileDialog(const FileDialogRequest& request,
                                                   QWidget* parent) {
    if (hooks().fileDialog) {
        return hooks().fileDialog(request);
    }
    return showFileDialog(request, parent);
}

} // namespace detail
} // namespace kestrune::platform
