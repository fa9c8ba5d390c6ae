// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/CPropertyPage.h"

namespace kestrune::platform {

CPropertyPage::CPropertyPage(const DialogTemplate& tmpl) : template_(&tmpl) {}

CPropertyPage::~CPropertyPage() = default;

bool CPropertyPage::OnApply() {
    return true;
}

bool CPropertyPage::OnQueryCancel() {
    return true;
}

EnterKey CPropertyPage::OnEnterKey(int /*controlId*/) {
    return EnterKey::ok();
}

} // namespace kestrune::platform
