// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/number_text.h"
#include "tests/support/case_name.h"
#include "tests/support/locale_guard.h"

#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kestrune {
namespace {

using test::PrintTo;

struct ParseCase {
    const char* name;
    std::string text;
    double expected;
};

class ParseNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, ReadsTheLeadingDecimalNumber) {
    const ParseCase& c = GetParam();
    const double got = parseNumber(c.text);
    if (std::isinf(c.expected) || c.expected == 0)
        EXPECT_EQ(got, c.expected);
    else
        EXPECT_DOUBLE_EQ(got, c.expected);
    EXPECT_EQ(std::signbit(got), std::signbit(c.expected)) << "sign of " << got;
}

const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumber,
    ::testing::Values(
        ParseCase{"whole", "107", 107}, ParseCase{"two_decimals", "2.70", 2.7},
        ParseCase{"blanks_before_word_after", "  107 turns", 107},
        ParseCase{"tabs_and_newlines_before", "\t\n\v\f\r 42", 42},
        ParseCase{"comma_stops_the_number", "2,7", 2}, ParseCase{"letters_only", "abc", 0},
        ParseCase{"empty", "", 0}, ParseCase{"sign_only", "-", 0}, ParseCase{"point_only", ".", 0},
        ParseCase{"plus_sign", "+3", 3}, ParseCase{"minus_sign", "-1.5", -1.5},
        ParseCase{"negative_zero", "-0", -0.0}, ParseCase{"fraction_without_integer", ".5", 0.5},
        ParseCase{"integer_with_trailing_point", "5.", 5}, ParseCase{"leading_zeros", "00012", 12},
        ParseCase{"exponent", "-1.5e2x", -150}, ParseCase{"capital_exponent", "25E-1", 2.5},
        ParseCase{"exponent_without_digits", "1e", 1},
        ParseCase{"exponent_sign_without_digits", "7e+", 7},
        ParseCase{"blank_between_sign_and_digits", "- 5", 0},
        ParseCase{"no_infinity_word", "inf", 0}, ParseCase{"no_nan_word", "nan", 0},
        ParseCase{"no_hex", "0x10", 0}, ParseCase{"overflow_gives_infinity", "1e400", kInf},
        ParseCase{"negative_overflow", "-1e400", -kInf},
        ParseCase{"many_digits_overflow", std::string(400, '9'), kInf},
        ParseCase{"underflow_gives_zero", "1e-400", 0},
        ParseCase{"negative_underflow", "-1e-400", -0.0},
        ParseCase{"tiny_with_huge_exponent_overflows", "0.0001e99999999999", kInf},
        ParseCase{"large_with_huge_negative_exponent", "12345e-99999999999", 0}),
    test::CaseName());

// Every decimal number the grammar allows reads as the C library reads it in the "C" locale.
TEST(ParseNumberAgainstStrtod, AgreesOnGeneratedNumbers) {
    std::mt19937 random(20261208);
    const std::string alphabet = "0123456789";
    auto digits = [&](int maxCount) {
        std::string s;
        const int count = std::uniform_int_distribution<int>(0, maxCount)(random);
        for (int i = 0; i < count; ++i)
            s += alphabet[std::uniform_int_distribution<std::size_t>(0, 9)(random)];
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int sign = std::uniform_int_distribution<int>(0, 2)(random);
        text += sign == 0 ? "" : sign == 1 ? "-" : "+";
        text += digits(20);
        if (random() % 2)
            text += "." + digits(20);
        if (random() % 3 == 0)
            text += (random() % 2 ? "e" : "E") + std::string(random() % 2 ? "-" : "") + digits(3);
        text += random() % 2 ? " tail" : "";
        const double expected = std::strtod(text.c_str(), nullptr);
        const double got = parseNumber(text);
        ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0)
            << '"' << text << "\" gave " << got << ", strtod " << expected;
    }
}

struct FormatCase {
    const char* name;
    double value;
    int decimals;
    const char* expected;
};

class FormatFixed : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixed, PrintsAsPrintfDoes) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatFixed(c.value, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixed,
    ::testing::Values(
        FormatCase{"whole", 107.0, 0, "107"}, FormatCase{"fraction_rounds_up", 112.6, 0, "113"},
        FormatCase{"two_decimals", 2.7, 2, "2.70"},
        FormatCase{"exact_half_to_even_down", 106.5, 0, "106"},
        FormatCase{"exact_half_to_even_up", 107.5, 0, "108"},
        FormatCase{"exact_half_in_decimals", 0.125, 2, "0.12"},
        FormatCase{"exact_half_in_decimals_up", 0.375, 2, "0.38"},
        FormatCase{"binary_value_below_half", 2.675, 2, "2.67"},
        FormatCase{"negative_zero", -0.0, 0, "-0"},
        FormatCase{"negative_rounds_to_zero", -0.001, 2, "-0.00"},
        FormatCase{"zero", 0.0, 2, "0.00"}, FormatCase{"negative", -5.8296, 2, "-5.83"},
        FormatCase{"torque_example", 155.5245, 2, "155.52"},
        FormatCase{"infinity_is_no_number", kInf, 2, "–"},
        FormatCase{"negative_infinity_is_no_number", -kInf, 1, "–"},
        FormatCase{"nan_is_no_number", std::numeric_limits<double>::quiet_NaN(), 0, "–"}),
    test::CaseName());

TEST(FormatFixedAgainstPrintf, AgreesOnRandomAndExtremeValues) {
    std::mt19937_64 random(7);
    std::vector<double> values = {DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1e22,  1e23,
                                  0.5,     1.5,      2.5,     0.005,        0.015, 1e15 + 0.5};
    std::uniform_real_distribution<double> ordinary(-1000, 1000);
    std::uniform_int_distribution<int> halves(-4000, 4000);
    for (int i = 0; i < 5000; ++i) {
        values.push_back(ordinary(random));
        values.push_back(halves(random) / 8.0); // exact binary halves and quarters
    }
    for (double v : values) {
        for (int decimals : {0, 2}) {
            std::vector<char> expected(400);
            std::snprintf(expected.data(), expected.size(), "%.*f", decimals, v);
            ASSERT_EQ(formatFixed(v, decimals), expected.data()) << v;
        }
    }
}

// What a decimal box lets through: complete numbers, starts that more keys can complete, and
// nothing that no key can mend.
TEST(DecimalBox, TakesOnlyWhatTheReaderAccepts) {
    for (const char* text : {"12", "12.", "-.5", "1.5E-3", "1e+10", "1e999", "9999999999999999999"})
        EXPECT_TRUE(isNumberPrefix(text) && isCompleteNumber(text)) << text;
    for (const char* text : {"", "-", ".", "+.", "1e", "12.5e", "1E-", "1.5E-"})
        EXPECT_TRUE(isNumberPrefix(text) && !isCompleteNumber(text)) << text;
    for (const char* text : {"1.2.", "2,7", " 2", "2 ", "2-", "+-1", "e5", ".e5", "1e5.5", "1e5e",
                             "inf", "0x1A", "\uFF11"})
        EXPECT_FALSE(isNumberPrefix(text) || isCompleteNumber(text)) << text;
    EXPECT_EQ(readCompleteNumber("-.5"), -0.5);
    EXPECT_EQ(readCompleteNumber("1.5E-3"), 0.0015);
    EXPECT_TRUE(isCompleteNumber(std::string(400, '9')));
    for (const std::string& notFinite : {std::string(400, '9'), std::string("1e999")})
        EXPECT_EQ(readCompleteNumber(notFinite), std::nullopt);
}

TEST(ReadWholeNumber, TakesDigitsThatFitAnInt) {
    EXPECT_EQ(readWholeNumber("16"), 16);
    EXPECT_EQ(readWholeNumber("2147483647"), INT_MAX);
    for (const char* bad : {"", "-1", "+1", "1.0", "2147483648", " 1", "1e2"})
        EXPECT_EQ(readWholeNumber(bad), std::nullopt) << bad;
    for (const char* text : {"2147483648", "99999999999"})
        EXPECT_TRUE(isTooLargeWholeNumber(text)) << text;
    for (const char* text : {"2147483647", "0000000000002", "", "-2147483649", "1e10"})
        EXPECT_FALSE(isTooLargeWholeNumber(text)) << text;
}

TEST(FormatShortest, ReadsBackAsTheSameDouble) {
    EXPECT_EQ(formatShortest(0.042), "0.042");
    EXPECT_EQ(formatShortest(107), "107");
    EXPECT_EQ(formatShortest(kInf), "–");
    std::mt19937_64 random(11);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v))
            continue;
        ASSERT_EQ(parseNumber(formatShortest(v)), v) << formatShortest(v);
    }
}

TEST(FormatInt, PrintsTheWholeRange) {
    EXPECT_EQ(formatInt(0), "0");
    EXPECT_EQ(formatInt(604), "604");
    EXPECT_EQ(formatInt(-12), "-12");
    EXPECT_EQ(formatInt(INT_MAX), "2147483647");
    EXPECT_EQ(formatInt(INT_MIN), "-2147483648");
}

// A German desktop makes printf and strtod use a decimal comma; our numbers must not follow.
TEST(NumbersUnderDecimalCommaLocale, StayWithThePoint) {
    test::DecimalCommaLocale locale;
    KESTRUNE_REQUIRE_DECIMAL_COMMA(locale);
    std::vector<char> printed(32);
    std::snprintf(printed.data(), printed.size(), "%.2f", 2.7);
    ASSERT_STREQ(printed.data(), "2,70") << "the locale did not take effect";

    EXPECT_EQ(formatFixed(2.7, 2), "2.70");
    EXPECT_EQ(formatFixed(155.5245, 2), "155.52");
    EXPECT_EQ(parseNumber("2.70"), 2.7);
    EXPECT_EQ(parseNumber("2,70"), 2.0);
    EXPECT_EQ(parseNumber("1.5e2"), 150.0);
    EXPECT_EQ(formatShortest(0.1), "0.1");
    EXPECT_FALSE(isNumberPrefix("2,7"));
}

} // namespace
} // namespace kestrune
