// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Names each case of a table test after its `name` member, so failures read as behaviour.

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace kestrune::test {

struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& param) const {
        return param.param.name;
    }
};

} // namespace kestrune::test

namespace kestrune::test {

// Prints a case as its name in test listings instead of a dump of its bytes; bring it into a
// test's namespace with `using test::PrintTo;`.
template <class Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

} // namespace kestrune::test
