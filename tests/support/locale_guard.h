// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Runs a test under a decimal-comma locale, as a German desktop would start the program.

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace kestrune::test {

class DecimalCommaLocale {
public:
    DecimalCommaLocale() {
        const char* old = std::setlocale(LC_ALL, nullptr);
        previous_ = old ? old : "C";
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;
    ~DecimalCommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }

    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

// In CI the locale must exist (the dependency step makes it); elsewhere a missing one skips.
#define KESTRUNE_REQUIRE_DECIMAL_COMMA(guard)                                                      \
    do {                                                                                           \
        if (!(guard).active()) {                                                                   \
            if (std::getenv("CI") != nullptr)                                                      \
                FAIL() << "the de_DE.UTF-8 locale is not available";                               \
            GTEST_SKIP() << "the de_DE.UTF-8 locale is not available";                             \
        }                                                                                          \
    } while (false)

} // namespace kestrune::test
