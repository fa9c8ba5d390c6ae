// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batches/meter_log.h"
#include "batches/torque_log_file.h"
#include "batches/torque_summaries.h"
#include "core/memory_file.h"
#include "tests/support/case_name.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

using test::PrintTo;

struct MeterCase {
    const char* name;
    std::string text;
    std::vector<double> turns, seconds, torques;
    std::string saysOrRefuses; // a part of howRead, or of the refusal when no torques expected
};

const MeterCase kMeterFiles[] = {
    {"MeterInSecondsWithTorqueInFourUnits",
     "programTime (s),relativeTime (s),torque (ozin),torque (gfcm),torque (inlb),torque (mNm)\n"
     "13.914,0.0,1.4199999570846558,102.25105960720087,0.0887,10.03\n14.5,0.586,2,144,0.125,14\n",
     {},
     {13.914, 14.5},
     {1.4199999570846558, 2},
     "time from \"programTime (s)\" (seconds), torque from \"torque (ozin)\""},
    {"MeterInMillisecondsWithAUnitColumn",
     ",programTime,relativeTime,torque,unit\n44,6641,0,0.4,ozin\n45,6741,100,72.0077,gfcm\r\n",
     {},
     {6.641, 6.741},
     {0.4, 0.9999987696826071},
     "in the units of \"unit\""},
    {"HeaderlessSemicolons", "0;0\n10;1.5\n", {0, 10}, {}, {0, 1.5}, "without a header"},
    {"HeaderlessBlanksAndLoneCr", "0 0\r10   1.5\r\r", {0, 10}, {}, {0, 1.5}, "2 readings"},
    {"CommaBlankAndInchPounds",
     "Turns , Torque (in-lb)\n100, 1\n",
     {100},
     {},
     {16},
     "1 reading: turns from \"Turns\""},
    {"TabsAndMilliNewtonMetres",
     "index\tN\tTORQUE(mN-m)\n1\t5\t10\n",
     {5},
     {},
     {1.4161193294652317},
     "turns from \"N\""},
    {"NoTorqueColumn", "turns,force\n1,2\n", {}, {}, {}, "no column named \"torque\""},
    {"UnknownUnitInHeader", "turns,torque (furlongs)\n1,2\n", {}, {}, {}, "does not know"},
    {"UnknownUnitInARow",
     "turns,torque,unit\n1,2,ozin\n2,3,stone\n",
     {},
     {},
     {},
     "Line 3 of the file gives its torque in \"stone\""},
    {"NulBytes", std::string("0,1\n\0", 5), {}, {}, {}, "NUL"},
    {"InvalidUtf8", "turns,torque\xff\n1,2\n", {}, {}, {}, "not UTF-8"},
    {"BeyondTheDoubleRange", "0,1\n1e309,2\n", {}, {}, {}, "Line 2 of the file has no number"},
    {"NoNumberAtAll", "\n \n", {}, {}, {}, "no readings"},
    {"ThreeColumnsWithoutHeader", "1,2,3\n", {}, {}, {}, "3 columns and no header"},
};

class MeterFiles : public ::testing::TestWithParam<MeterCase> {};

TEST_P(MeterFiles, ReadAsTheirHeaderSaysOrAreRefused) {
    const MeterCase& c = GetParam();
    const MeterLogRead read = readMeterLog(c.text);
    if (c.torques.empty()) {
        ASSERT_FALSE(read.log);
        EXPECT_NE(read.refusal.find(c.saysOrRefuses), std::string::npos) << read.refusal;
        return;
    }
    ASSERT_TRUE(read.log) << read.refusal;
    EXPECT_EQ(read.log->turns, c.turns);
    EXPECT_EQ(read.log->seconds, c.seconds);
    ASSERT_EQ(read.log->torques.size(), c.torques.size());
    for (std::size_t i = 0; i < c.torques.size(); ++i)
        EXPECT_NEAR(read.log->torques[i], c.torques[i], 1e-12);
    EXPECT_NE(read.log->howRead.find(c.saysOrRefuses), std::string::npos) << read.log->howRead;
}

INSTANTIATE_TEST_SUITE_P(Layouts, MeterFiles, ::testing::ValuesIn(kMeterFiles), test::CaseName());

TEST(MeterFiles, MoreThanATestTakesIsRefused) {
    std::string text;
    for (std::size_t i = 0; i <= kMostMeterReadings; ++i)
        text += "1,2\n";
    EXPECT_NE(readMeterLog(text).refusal.find("more than 200000 readings"), std::string::npos);
}

TorqueTest aTest(std::string batch, std::vector<TorqueReading> readings, double weight = 20) {
    TorqueTest test;
    test.batch = std::move(batch);
    test.date = "2026-03-14";
    test.length = 12;
    test.weight = weight;
    test.readings = std::move(readings);
    return test;
}

const std::vector<TorqueReading> kLossless{{0, 0}, {1000, 10}, {0, 0}};
const std::vector<TorqueReading> kLosesAFifth{{0, 0}, {1000, 10}, {1000, 8}, {0, 0}};

TEST(TorqueLogFile, KeepsOneReadingALineAndReadsBackWhatItWrote) {
    MemoryFile file("kes-torque.csv", torqueLogHeader() + "\n9,odd \"line\n");
    TorqueLog log;
    ASSERT_TRUE(loadTorqueLog(log, file).done());
    TorqueTest quoted = aTest("say \"hi\", ok", kLossless);
    quoted.note = "two\nlines";
    ASSERT_TRUE(changeTorqueLog(log, {std::nullopt, quoted}, file).result.done());
    ASSERT_TRUE(changeTorqueLog(log, {std::nullopt, aTest("B", kLosesAFifth)}, file).result.done());
    const std::string& text = *file.bytes();
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "Test,Batch,Date,Type,Width,Strands,Length (in),Weight (g),Winder ratio,Source,Note,"
              "Phase,Turns,Torque (oz-in)");
    EXPECT_NE(text.find("\n9,odd \"line\n1,\"say \"\"hi\"\", ok\",2026-03-14,Tan II,1/8,2,12,20,16,"
                        "typed,\"two\nlines\",wind,0,0\n"),
              std::string::npos)
        << "the unreadable line kept byte for byte, then test 1";
    EXPECT_NE(text.find("\n2,B,2026-03-14,Tan II,1/8,2,12,20,16,typed,,unwind,1000,8\n"),
              std::string::npos);
    const std::optional<TorqueLog> back = parseTorqueLog(text);
    ASSERT_TRUE(back && back->size() == 3);
    EXPECT_EQ((*back)[0].unreadable(), "9,odd \"line");
    EXPECT_EQ((*back)[1].test(), quoted);
    EXPECT_EQ((*back)[2].number(), 2);
    EXPECT_EQ((*back)[2].test().readings, kLosesAFifth);
}

TEST(TorqueLogFile, ALineAtOddsWithItsTestsNumberIsKeptUnread) {
    const std::string line1 = "1,B,2026-03-14,Tan II,1/8,2,12,20,16,typed,,wind,0,0";
    const std::string other = "1,C,2026-03-14,Tan II,1/8,2,12,20,16,typed,,unwind,5,1";
    const std::optional<TorqueLog> log = parseTorqueLog(line1 + "\n" + other + "\n");
    ASSERT_TRUE(log && log->size() == 2);
    EXPECT_EQ((*log)[0].test().readings.size(), 1U);
    EXPECT_EQ((*log)[1].unreadable(), other);
}

TEST(TorqueLogFile, UnreadableLinesStayAfterTheReadingTheyFollowed) {
    // Side by side, the two lines that open and close a quote read as a reading of a test 7.
    const std::string reading = "4,B,2026-03-14,Tan II,1/8,2,12,20,16,typed,,wind,";
    const std::string opens = "7,\"B",
                      closes = "C\",2026-03-14,Tan II,1/8,2,12,20,16,typed,,wind,5,1";
    const std::string text = reading + "0,0\n" + opens + "\n" + reading + "9,1\n" + closes + "\n";
    const std::optional<TorqueLog> log = parseTorqueLog(text);
    ASSERT_TRUE(log && log->size() == 3);
    EXPECT_NE(formatTorqueLog(*log).find("0,0\n" + opens + "\n\"4\",B,"), std::string::npos)
        << "between them as read, its number quoted to close the stray quote";
    const std::optional<TorqueLog> back = parseTorqueLog(formatTorqueLog(*log));
    ASSERT_TRUE(back && back->size() == 3);
    EXPECT_EQ((*back)[1].unreadable(), opens);
    EXPECT_EQ((*back)[2].unreadable(), closes);
    // A change of test 4 that keeps its readings leaves them in their places.
    MemoryFile file("kes-torque.csv", torqueLogHeader() + "\n" + text);
    TorqueLog kept;
    ASSERT_TRUE(loadTorqueLog(kept, file).done());
    TorqueTest weighed = kept[0].test();
    weighed.weight = 21;
    ASSERT_TRUE(changeTorqueLog(kept, {torqueRecordName(kept, 0), weighed}, file).result.done());
    const std::optional<TorqueLog> changed = parseTorqueLog(*file.bytes());
    ASSERT_TRUE(changed && changed->size() == 3);
    EXPECT_EQ((*changed)[0].test().weight, 21);
    EXPECT_EQ((*changed)[2].unreadable(), closes);
    // A line of another test under test 2's number, read after a reading of test 4, is not
    // written before test 2's first line, which would make it test 2.
    const std::string other = "2,C,2026-03-14,Tan II,1/8,2,12,20,16,typed,,unwind,5,1";
    const std::optional<TorqueLog> two = parseTorqueLog(formatTorqueLog(*parseTorqueLog(
        reading + "0,0\n2,B" + reading.substr(3) + "0,0\n" + reading + "9,1\n" + other + "\n")));
    ASSERT_TRUE(two && two->size() == 3);
    EXPECT_EQ((*two)[1].test().batch, "B");
    EXPECT_EQ((*two)[2].unreadable(), other);
    const std::string emptyInQuotes =
        "4,B,2026-03-14,Tan II,1/8,2,12,20,16,typed,,unwind,0,0\n7,\"x\n\ny\",a\n";
    EXPECT_EQ(formatTorqueLog(*parseTorqueLog(emptyInQuotes)),
              torqueLogHeader() + "\n" + emptyInQuotes);
}

TEST(TorqueLogFile, AChangeIsMadeToTheFileAsItIsOnDisk) {
    MemoryFile file("kes-torque.csv");
    TorqueLog log;
    ASSERT_TRUE(changeTorqueLog(log, {std::nullopt, aTest("Mine", kLossless)}, file).result.done());
    TorqueLog elsewhere = log;
    ASSERT_TRUE(
        changeTorqueLog(elsewhere, {std::nullopt, aTest("Theirs", kLossless)}, file).result.done());
    file.setBytes(*file.bytes()); // another copy wrote it
    const TorqueLogChanged added =
        changeTorqueLog(log, {std::nullopt, aTest("Mine 2", kLossless)}, file);
    EXPECT_TRUE(added.reread);
    ASSERT_TRUE(added.result.done());
    ASSERT_EQ(log.size(), 3U);
    EXPECT_EQ(log[1].test().batch, "Theirs");
    EXPECT_EQ(log[2].number(), 3) << "the next free number";

    const RecordName theirs = torqueRecordName(log, 1);
    file.setBytes(torqueLogHeader() + "\n");
    const TorqueLogChanged gone = changeTorqueLog(log, {theirs, std::nullopt}, file);
    EXPECT_TRUE(gone.reread);
    EXPECT_TRUE(gone.result.failed());
    EXPECT_EQ(*file.bytes(), torqueLogHeader() + "\n") << "nothing written";
}

TEST(TorqueSummaries, CountAndAverageEachBatchsTests) {
    TorqueLog log;
    log.emplace_back(1, aTest("B", kLossless));
    log.emplace_back(2, aTest("C", kLossless));
    log.emplace_back(3, aTest("B", kLosesAFifth));
    log.push_back(TorqueLogEntry::unreadableLine("x"));
    const std::vector<TorqueSummary> summaries = summariseTorqueTests(log);
    ASSERT_EQ(summaries.size(), 2U);
    EXPECT_EQ(summaries[0].tests, 2U);
    EXPECT_EQ(torqueSummaryColumns(&summaries[0]), "\t2\t9.98\t1.57\t10.0");
    EXPECT_EQ(torqueSummaryColumns(&summaries[1]), "\t1\t11.09\t–\t0.0");
    EXPECT_EQ(torqueSummaryColumns(nullptr), "\t0\t–\t–\t–");
}

} // namespace
} // namespace kestrune
