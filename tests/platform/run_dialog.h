// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/CDialog.h"
#include "tests/support/modal.h"

#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace kestrune::test {

// Runs the dialog modally with body as the user; a dialog body leaves open ends with Cancel.
inline int runDialog(platform::CDialog& dialog, std::function<void(QWidget*)> body) {
    answerNextModal([&dialog, body = std::move(body)](QWidget* window) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        body(window);
        if (window->isVisible()) {
            dialog.EndDialog(platform::IDCANCEL);
        }
    });
    return dialog.DoModal();
}

} // namespace kestrune::test
