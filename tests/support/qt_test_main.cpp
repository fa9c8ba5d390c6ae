// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// main of the widget test programs: a QApplication on the offscreen platform and a fresh
// temporary start folder, removed afterwards.

#include "files/start_directory.h"
#include "tests/support/modal.h"

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::filesystem::path before = std::filesystem::current_path();
    std::string folder = (std::filesystem::temp_directory_path() / "kestrune-test-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        return EXIT_FAILURE;
    }
    std::filesystem::current_path(folder);
    kestrune::startDirectory(); // the start folder is fixed by its first use

    int status = EXIT_FAILURE;
    {
        QApplication application(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        kestrune::test::pendingModalAnswers(); // starts the watchdog for unanswered windows
        status = RUN_ALL_TESTS();
    }
    std::filesystem::current_path(before);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return status;
}
