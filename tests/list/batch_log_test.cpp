// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "list/batch_rows.h"
#include "tests/support/case_name.h"
#include "tests/support/locale_guard.h"
#include "tests/support/temp_folder.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kestrune {
namespace {

using test::PrintTo;

BreakTest aTest(std::string batch = "B1", std::string note = "") {
    return {batch, "2026-03-14", TanII, 2, 2, 12.5, 1300, 2.75, 2.2, std::move(note)};
}

struct QuotingCase {
    const char* name;
    std::string text; // as batch and note
};

class CsvQuoting : public ::testing::TestWithParam<QuotingCase> {};

TEST_P(CsvQuoting, AnyTextComesBackAsItWas) {
    const BreakTest test = aTest(GetParam().text, GetParam().text + "\n" + GetParam().text);
    const std::vector<BatchLogEntry> log{{test, {}}, {aTest(), {}}};
    const std::string text = formatBatchLog(log, 0.042);
    EXPECT_EQ(parseBatchLog(text), log);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvQuoting,
    ::testing::Values(QuotingCase{"plain", "Tan 2025 A"}, QuotingCase{"empty", ""},
                      QuotingCase{"comma", "a,b,,"}, QuotingCase{"quotes", "\"5\" long\"\""},
                      QuotingCase{"cr", "a\rb\r"}, QuotingCase{"lf", "\na\n"},
                      QuotingCase{"crlf", "a\r\nb\r\n"},
                      QuotingCase{"nul_and_bad_utf8", std::string("a\0\xff\xc3", 4)},
                      QuotingCase{"ten_megabytes", std::string(10 << 20, 'x') + ",\""}),
    test::CaseName());

struct ReadCase {
    const char* name;
    std::string text;
    std::vector<std::string> unreadable; // "" for a test
};

class ReadBatchLog : public ::testing::TestWithParam<ReadCase> {};

// Every line that cannot be read is an entry of its own and is written back byte for byte.
TEST_P(ReadBatchLog, KeepsWhatItCannotRead) {
    const auto entries = parseBatchLog(GetParam().text);
    ASSERT_TRUE(entries);
    std::vector<std::string> got;
    for (const BatchLogEntry& e : *entries)
        got.push_back(e.test ? "" : e.unreadable);
    EXPECT_EQ(got, GetParam().unreadable);
    const std::string saved = formatBatchLog(*entries, 0.042);
    for (const std::string& line : GetParam().unreadable)
        EXPECT_NE(saved.find(line + '\n'), std::string::npos) << line;
    EXPECT_EQ(parseBatchLog(saved), entries);
}

const std::string kHeader = batchLogHeader() + "\n";
const std::string kGood = "B1,2026-03-14,Tan II,1/8,2,12.5,1300,2.75,,\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadBatchLog,
    ::testing::Values(
        ReadCase{"header_and_test", kHeader + kGood, {""}},
        ReadCase{"no_header_crlf", "B1,2026-03-14,Tan II,1/8,2,12.5,1300,,3.6,x\r\n", {""}},
        ReadCase{"byte_order_mark", "\xEF\xBB\xBF" + kHeader + kGood, {""}},
        ReadCase{
            "derived_columns_ignored", "B,2026-01-01,Tan Sport,1/4,9,3,50,,,,junk,1,2\n", {""}},
        ReadCase{"multiline_note", "B,2026-01-01,Tan II,1/4,9,3,50,,,\"a\nb\"\n" + kGood, {"", ""}},
        ReadCase{"empty_lines_skipped", "\n\r\n" + kGood + "\n", {""}},
        ReadCase{"field_count",
                 "B,2026-03-14,Tan II,1/8,2,12.5,1300\n",
                 {"B,2026-03-14,Tan II,1/8,2,12.5,1300"}},
        ReadCase{"decimal_comma",
                 "B,2026-03-14,Tan II,1/8,2,\"12,5\",1300,,,\n",
                 {"B,2026-03-14,Tan II,1/8,2,\"12,5\",1300,,,"}},
        ReadCase{"unknown_type",
                 "B,2026-03-14,Tan III,1/8,2,1,9,,,\n",
                 {"B,2026-03-14,Tan III,1/8,2,1,9,,,"}},
        ReadCase{"strands_100",
                 "B,2026-03-14,Tan II,1/8,100,1,9,,,\n",
                 {"B,2026-03-14,Tan II,1/8,100,1,9,,,"}},
        ReadCase{
            "turns_0", "B,2026-03-14,Tan II,1/8,2,1,0,,,\n", {"B,2026-03-14,Tan II,1/8,2,1,0,,,"}},
        ReadCase{
            "bad_date", "B,2026-02-30,Tan II,1/8,2,1,9,,,\n", {"B,2026-02-30,Tan II,1/8,2,1,9,,,"}},
        ReadCase{"torque_0",
                 "B,2026-03-14,Tan II,1/8,2,1,9,0,,\n",
                 {"B,2026-03-14,Tan II,1/8,2,1,9,0,,"}},
        ReadCase{
            "stray_quote_keeps_the_next_lines", "B,\"open\n" + kGood + kGood, {"B,\"open", "", ""}},
        ReadCase{"garbage_after_quote", "\"a\"b,c\n" + kGood, {"\"a\"b,c", ""}},
        ReadCase{"nul_and_bad_utf8",
                 std::string("\0\xff\xfe,\"\n", 6) + kGood,
                 {std::string("\0\xff\xfe,\"", 5), ""}}),
    test::CaseName());

struct StatCase {
    const char* name;
    std::vector<double> values;
    double mean;
    std::optional<double> deviation;
};

class Statistics : public ::testing::TestWithParam<StatCase> {};

TEST_P(Statistics, MeanSpreadAndRange) {
    const StatCase& c = GetParam();
    const std::optional<Statistic> s = statisticOf(c.values);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->count, c.values.size());
    EXPECT_DOUBLE_EQ(s->mean, c.mean);
    EXPECT_NEAR(s->deviation.value_or(-1), c.deviation.value_or(-1),
                c.deviation.value_or(1) * 1e-12);
    EXPECT_EQ(s->least, *std::min_element(c.values.begin(), c.values.end()));
    EXPECT_EQ(s->greatest, *std::max_element(c.values.begin(), c.values.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Statistics,
    ::testing::Values(StatCase{"one_test", {107.3}, 107.3, {}},
                      StatCase{"two", {100, 110}, 105, 7.0710678118654755},
                      StatCase{"same", {2.7, 2.7, 2.7}, 2.7, 0},
                      StatCase{"close_large_values", {1e9 + 1, 1e9 + 2, 1e9 + 3}, 1e9 + 2, 1},
                      StatCase{
                          "near_the_top", {1.5e308, 1.7e308}, 1.6e308, 1.4142135623730951e307}),
    test::CaseName());

TEST(SummariseBatches, PerBatchAndTypeInOrderOfFirstAppearance) {
    std::vector<BatchLogEntry> log{{aTest("B2"), {}}, {std::nullopt, "junk"}, {aTest("B1"), {}}};
    BreakTest other = aTest("B2");
    other.type = TanSport;
    BreakTest noExtras = aTest("B2");
    noExtras.turns = 1400;
    noExtras.torque.reset();
    noExtras.weight.reset();
    log.push_back({other, {}});
    log.push_back({noExtras, {}});
    EXPECT_EQ(statisticOf({}), std::nullopt);
    const auto s = summariseBatches(log, 0.042);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].batch + "/" + s[1].batch + "/" + s[2].batch, "B2/B1/B2");
    EXPECT_EQ(s[2].type, TanSport);
    EXPECT_EQ(s[0].tests, 2u);
    EXPECT_EQ(s[0].turns->count, 2u);
    EXPECT_EQ(s[0].turns->mean, (1300 / 12.5 + 1400 / 12.5) / 2) << "1/8 x 2 is the reference";
    EXPECT_EQ(s[0].torque->count, 1u);
    EXPECT_EQ(s[0].density->count, 1u);
    EXPECT_EQ(formatBatchRow(s[1]),
              "B1\tTan II\t1\t104.0\t–\t104.0\t104.0\t2.750\t–\t2.750\t2.750\t"
              "1.023");
    EXPECT_EQ(formatTestRow(log[1], 0.042, LengthUnit::Inch), "Unreadable line\tjunk");
    EXPECT_EQ(formatTestRow({aTest("a\tb", "x\ny"), {}}, 0.042, LengthUnit::Millimetre),
              "a b\t2026-03-14\tTan II\t1/8\t2\t317.5\t1300\t2.75\t2.20\tx y\t104.0\t2.750");
}

class BatchLogFile : public ::testing::Test {
protected:
    test::TempFolder folder_;
    std::filesystem::path file_ = folder_ / "kes-batches.csv";
};

TEST_F(BatchLogFile, EveryChangeIsWrittenAndAFailedOneChangesNothing) {
    std::vector<BatchLogEntry> log;
    EXPECT_EQ(loadBatchLog(log, file_).status, ReadResult::Status::Missing);
    test::writeBytes(file_, kHeader + "odd line\n");
    ASSERT_TRUE(loadBatchLog(log, file_).read());
    ASSERT_TRUE(addBreakTest(log, aTest("B\"1", "a,b"), file_, 0.042).ok);
    ASSERT_TRUE(addBreakTest(log, aTest(), file_, 0.042).ok);
    std::vector<BatchLogEntry> again;
    ASSERT_TRUE(loadBatchLog(again, file_).read());
    EXPECT_EQ(again, log);
    EXPECT_NE(test::readBytes(file_).find("\nodd line\n"), std::string::npos);

    BreakTest bad = aTest();
    bad.strands = 0;
    EXPECT_FALSE(addBreakTest(log, bad, file_, 0.042).ok);
    EXPECT_FALSE(deleteBatchLogEntry(log, 3, file_, 0.042).ok);
    const std::filesystem::path folderInTheWay = folder_.path();
    EXPECT_FALSE(addBreakTest(log, aTest(), folderInTheWay, 0.042).ok);
    EXPECT_FALSE(deleteBatchLogEntry(log, 0, folderInTheWay, 0.042).ok);
    EXPECT_EQ(log, again) << "failed changes leave the log equal to the file";

    ASSERT_TRUE(deleteBatchLogEntry(log, 0, file_, 0.042).ok);
    ASSERT_TRUE(loadBatchLog(again, file_).read());
    EXPECT_EQ(again, log);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(BatchLogFile, HugeFilesAreRefused) {
    std::vector<BatchLogEntry> log{{aTest(), {}}};
    test::writeBytes(file_, std::string(kMaxBatchLogEntries + 1, '\n') + "x\n");
    EXPECT_TRUE(loadBatchLog(log, file_).read()) << "empty lines make no entries";
    std::string manyLines;
    for (std::size_t i = 0; i <= kMaxBatchLogEntries; ++i)
        manyLines += "x\n";
    test::writeBytes(file_, manyLines);
    EXPECT_TRUE(loadBatchLog(log, file_).failed());
    test::writeBytes(file_, std::string(kMaxBatchLogBytes + 1, 'x'));
    EXPECT_TRUE(loadBatchLog(log, file_).failed());
    EXPECT_TRUE(log.empty());
}

TEST(BatchLogUnderDecimalCommaLocale, WritesPoints) {
    test::DecimalCommaLocale locale;
    KESTRUNE_REQUIRE_DECIMAL_COMMA(locale);
    EXPECT_EQ(formatBreakTestRecord(aTest(), 0.042),
              "B1,2026-03-14,Tan II,1/8,2,12.5,1300,2.75,2.2,,104,2.75,1.0228741867307507");
}

} // namespace
} // namespace kestrune
