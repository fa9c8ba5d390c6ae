// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/CDialog.h"

#include "platform/detail/dialog_window.h"
#include "platform/detail/qt_text.h"
#include "platform/detail/window_access.h"
#include "platform/detail/window_builder.h"

#include <QScreen>
#include <memory>

namespace kestrune::platform {

CDialog::CDialog(const DialogTemplate& tmpl, CWnd* parent) : template_(&tmpl), parent_(parent) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    auto window = std::make_unique<detail::DialogWindow>(
        detail::defaultOwner(*this, parent_), (template_->style & dialog_style::NoTitle) != 0,
        [this] { OnCancel(); }, [this] { detail::WindowAccess::helpInfo(*this); });
    window->setWindowTitle(detail::qtText(template_->caption));
    detail::WindowAccess::attach(*this, window.get());
    const detail::BuiltControls built = detail::buildControls(*this, *window, *template_);
    window->setFixedSize(built.size);
    if (template_->caption.empty()) {
        // A window without a title is announced by its first text (a question), and it is put
        // in its place now, so what is told about its place is where it shows.
        for (const ControlTemplate& control : template_->controls) {
            if (control.kind == ControlKind::Static) {
                window->setAccessibleName(detail::qtText(control.text));
                break;
            }
        }
        const QWidget* owner = window->parentWidget();
        const QScreen* screen = owner != nullptr ? owner->screen() : window->screen();
        if (screen != nullptr) {
            QRect place(QPoint(), built.size);
            place.moveCenter(owner != nullptr ? owner->frameGeometry().center()
                                              : screen->availableGeometry().center());
            window->move(place.topLeft());
        }
    }
    if (OnInitDialog()) {
        detail::focusFirstTabStop(*this, *template_);
    }
    const int result = window->exec();
    detail::WindowAccess::detach(*this);
    window.reset();
    // A loop ended from outside (the application quitting) counts as Cancel.
    return result == 0 ? IDCANCEL : result;
}

void CDialog::EndDialog(int result) {
    if (auto* window = static_cast<detail::DialogWindow*>(widget())) {
        window->end(result);
    }
}

bool CDialog::OnCommand(int controlId, Notification code) {
    if (code != BN_CLICKED) {
        return false;
    }
    if (controlId == IDOK) {
        OnOK();
        return true;
    }
    if (controlId == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

} // namespace kestrune::platform
