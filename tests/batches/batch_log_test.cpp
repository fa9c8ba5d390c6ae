// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batches/batch_log_file.h"
#include "batches/batch_rows.h"
#include "batches/batch_summaries.h"
#include "batches/break_test_entry.h"
#include "batches/csv.h"
#include "files/disk_file.h"
#include "tests/support/locale_guard.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

BreakTest aTest(std::string batch = "B1", std::string note = "") {
    return {std::move(batch), "2026-03-14", TanII, 2, 2, 12.5, 1300, 2.75, 2.2, std::move(note)};
}

const std::string kHeader = batchLogHeader() + "\n";
const std::string kGood = "B1,2026-03-14,Tan II,1/8,2,12.5,1300,2.75,,\n";

// Any batch name and note come back as they were, however they must be quoted.
TEST(BatchLogQuoting, AnyTextComesBackAsItWas) {
    for (const std::string& text : std::vector<std::string>{
             "Tan 2025 A", "", "a,b,,", "\"5\" long\"\"", "a\rb\r", "\na\n", "a\r\nb\r\n",
             std::string("a\0\xff\xc3", 4), std::string(10 << 20, 'x') + ",\""}) {
        const BreakTest test = aTest(text, std::string(text).append("\n").append(text));
        const BatchLog log{BatchLogEntry(test), BatchLogEntry(aTest())};
        EXPECT_EQ(log[0].test(), test) << "kept in memory as it was typed";
        EXPECT_EQ(parseBatchLog(formatBatchLog(log, 0.042)), log) << text.substr(0, 20);
    }
    EXPECT_EQ(formatBreakTestRecord(aTest("say \"hi\", ok"), 1).substr(0, 17),
              "\"say \"\"hi\"\", ok\",");
}

// Read from the start of a file only, a record reads as from the whole file, or not yet.
TEST(BatchLogQuoting, ARecordCutShortReadsWholeOrNotYet) {
    for (const std::string& text :
         {kGood, std::string("B,\"a\r\n\"\"b\"\"\",c\r\r\nx"), std::string("\"open\nx\n"),
          std::string("a,\"b\"c\nd\""), std::string("x,\"\""), std::string("a\rb"),
          std::string("x,\"y\"\r\nz")}) {
        const CsvRecord whole = readCsvRecord(text);
        for (std::size_t cut = 1; cut < text.size(); ++cut) {
            const CsvRecord part = readCsvRecord(text.substr(0, cut), false);
            EXPECT_TRUE(part.length == 0 ||
                        (part.length == whole.length && part.fields == whole.fields))
                << text << " cut at " << cut;
        }
    }
}

// Each of these reads as one test, and what is written reads back the same.
TEST(ReadBatchLog, ReadsTests) {
    for (const std::string& text : std::vector<std::string>{
             kHeader + kGood, std::string("\xEF\xBB\xBF").append(kHeader).append(kGood),
             std::string("\n\r\n").append(kGood).append("\n"),
             "B1,2026-03-14,Tan II,1/8,2,12.5,1300,,3.6,x\r\n",
             "B,2026-01-01,Tan Sport,1/4,9,3,50,,,,junk,1,2\n", // derived columns are recomputed
             "B,2026-01-01,Tan II,1/4,9,3,50,,,\"a\nb\"\n",
             "Batch,2026-01-01,Tan II,1/4,9,3,50,,,\n", "B,0001-01-09,Tan II,1/4,9,3,50,,,\n",
             "B,9999-12-31,Tan II,1/4,99,3,2147483647,1e300,1e-300,\n",
             "Batch,Date,Type\rB,2026-01-01,Tan II,1/4,9,3,50,,,hello\r\r"}) { // CR line ends
        const auto entries = parseBatchLog(text);
        ASSERT_TRUE(entries && entries->size() == 1 && entries->front().isTest()) << text;
        EXPECT_EQ(parseBatchLog(formatBatchLog(*entries, 0.042)), entries);
        EXPECT_NE(text.find(',' + entries->front().test()->date + ','), std::string::npos);
    }
}

// A line it cannot read is an entry of its own, written back byte for byte, and the test after
// it is still read.
TEST(ReadBatchLog, KeepsWhatItCannotRead) {
    std::string all = kHeader; // every case, and tests with line breaks, over many read pieces
    for (const std::string& bad : std::vector<std::string>{
             "B,2026-03-14,Tan II,1/8,2,12.5,1300", // too few fields
             "B,2026-03-14,Tan II,1/8,2,\"12,5\",1300,,,", "B,2026-03-14,Tan III,1/8,2,1,9,,,",
             "B,2026-03-14,Tan II,1/8,100,1,9,,,", "B,2026-03-14,Tan II,1/8,2,1,0,,,",
             "B,2026-02-30,Tan II,1/8,2,1,9,,,", "B,2026-03-14,Tan II,1/8,2,1,9,0,,", "B,\"open",
             "\"a\"b,c", std::string("\0\xff\xfe,\"", 5),
             "X,2026-01-01,Tan II,1/8,0,10,500,,,\"note one\n\n\nnote two\r\nend\"", "\"x",
             "B2,2026-03-14,Tan II,1/8,2,12.5,1300,,,\"a,1,2,\"3\""}) {
        const auto entries =
            parseBatchLog(std::string(kHeader).append(bad).append("\n").append(kGood));
        ASSERT_TRUE(entries && entries->size() == 2) << bad;
        EXPECT_EQ((*entries)[0].unreadable(), bad);
        EXPECT_TRUE((*entries)[1].isTest()) << bad;
        const std::string saved = formatBatchLog(*entries, 0.042);
        EXPECT_EQ(saved.substr(kHeader.size(), bad.size() + 1), bad + "\n");
        EXPECT_EQ(parseBatchLog(saved), entries);
        all += saved.substr(kHeader.size());
    }
    // A stray quote closed by a quote the test after it was read with, but is written without.
    all += "\"x\n\"B1\",2026-03-14,Tan II,1/8,2,12.5,1300,,,\"\nend\"\n";
    while (all.size() < 300'000)
        all += all.substr(kHeader.size());
    test::TempFolder folder;
    BatchLog loaded;
    test::writeBytes(folder / "log", all);
    DiskFile file(folder / "log");
    ASSERT_TRUE(loadBatchLog(loaded, file).done());
    EXPECT_EQ(loaded, parseBatchLog(all)) << "read a piece at a time as from the whole text";
    EXPECT_EQ(parseBatchLog(formatBatchLog(loaded, 0.042)), loaded)
        << "stray quotes closed by later records close there again once the tests are rewritten";
}

TEST(Statistics, MeanSpreadAndRange) {
    const struct {
        std::vector<double> values;
        double mean;
        std::optional<double> deviation;
    } cases[] = {{{107.3}, 107.3, {}},
                 {{100, 110}, 105, 7.0710678118654755},
                 {{2.7, 2.7, 2.7}, 2.7, 0},
                 {{1e9 + 1, 1e9 + 2, 1e9 + 3}, 1e9 + 2, 1},
                 {{1.5e308, 1.7e308}, 1.6e308, 1.4142135623730951e307}};
    for (const auto& c : cases) {
        const std::optional<Statistic> s = statisticOf(c.values);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->count, c.values.size());
        EXPECT_DOUBLE_EQ(s->mean, c.mean);
        EXPECT_NEAR(s->deviation.value_or(-1), c.deviation.value_or(-1),
                    c.deviation.value_or(0) * 1e-12);
        EXPECT_EQ(s->least, *std::min_element(c.values.begin(), c.values.end()));
        EXPECT_EQ(s->greatest, *std::max_element(c.values.begin(), c.values.end()));
    }
    EXPECT_EQ(statisticOf({}), std::nullopt);
}

TEST(SummariseBatches, PerBatchAndTypeInOrderOfFirstAppearance) {
    BreakTest other = aTest("B2"), noExtras = aTest("B2");
    other.type = TanSport;
    noExtras.turns = 1400;
    noExtras.torque = noExtras.weight = std::nullopt;
    const BatchLog log{BatchLogEntry(aTest("B2")), BatchLogEntry::unreadableRecord("junk"),
                       BatchLogEntry(aTest("B1")), BatchLogEntry(other), BatchLogEntry(noExtras)};
    const auto s = summariseBatches(log, 0.042);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].batch + s[1].batch + s[2].batch, "B2B1B2");
    EXPECT_EQ(s[2].type, TanSport);
    EXPECT_EQ(s[0].tests + s[0].turns->count + 10 * (s[0].torque->count + s[0].density->count),
              24u);
    EXPECT_EQ(s[0].turns->mean, (1300 / 12.5 + 1400 / 12.5) / 2) << "1/8 x 2 is the reference";
    EXPECT_EQ(formatBatchRow(s[1]),
              "B1\tTan II\t1\t104.0\t2.750\t1.023\t–\t104.0\t104.0\t–\t2.750\t2.750");
    EXPECT_EQ(formatTestRow(log[1], 0.042, LengthUnit::Inch), "Unreadable line\tjunk");
    CalcState state;
    ASSERT_TRUE(canUseSummary(s[0]) && !useSummary(state, s[0]).refused);
    EXPECT_EQ(state.table.turns[TanII], s[0].turns->mean);
    EXPECT_EQ(state.table.torque[TanII], 2.75) << "the one torque test";
    EXPECT_EQ(formatTestRow(BatchLogEntry(aTest("a\tb", "x\ny")), 0.042, LengthUnit::Millimetre),
              "a b\tTan II\t1300\t104.0\t2.750\t2026-03-14\t1/8\t2\t317.5\t2.75\t2.20\tx y");
}

// Bytes that are no UTF-8 show as one U+FFFD each in a Tests row; the rest shows as it is, as
// far as a row shows.
TEST(BatchRows, ShowEachByteThatIsNoUtf8AsAMark) {
    const std::string mark = "\uFFFD";
    const struct {
        std::string bytes, shown;
    } cases[] = {{"\xff\xfe \xe2\x80\x93", mark + mark + " –"},
                 {"M\xc3\xbcller \xf0\x9f\x98\x80", "Müller 😀"},
                 {"\xc0\xaf \xc3", mark + mark + " " + mark}, // overlong; cut short
                 {"\xe2\x82 \xed\xa0\x80", mark + mark + " " + mark + mark + mark}, // surrogate
                 {"\xf4\x90\x80\x80\xf5", mark + mark + mark + mark + mark}};       // past U+10FFFF
    std::string longNote = "a";
    for (int i = 0; i < 3000; ++i)
        longNote += "é";
    EXPECT_EQ(formatTestRow(BatchLogEntry::unreadableRecord(longNote), 0.042, LengthUnit::Inch),
              "Unreadable line\t" + longNote.substr(0, 4095))
        << "as much as a row shows, cut between characters";
    for (const auto& c : cases) {
        EXPECT_EQ(formatTestRow(BatchLogEntry::unreadableRecord(c.bytes), 0.042, LengthUnit::Inch),
                  "Unreadable line\t" + c.shown);
        EXPECT_EQ(formatTestRow(BatchLogEntry(aTest(c.bytes)), 0.042, LengthUnit::Inch)
                      .substr(0, c.shown.size() + 1),
                  c.shown + "\t");
    }
}

// Summaries kept through each Add and Delete are those made afresh, to the last bit, and outside
// the summaries a change says it touched every one is as it was.
TEST(SummariseBatches, KeptThroughEachChangeAsTheyWouldBeMadeAfresh) {
    BatchLog log{BatchLogEntry::unreadableRecord("junk")};
    BatchSummaries kept(log, 0.042);
    const struct {
        const char* added; // the batch of the test added, or nothing when one is taken out
        int turns;
        std::size_t taken; // the entry taken out
    } steps[] = {{"A", 1300, 0},  {"B", 1100, 0},  {"A", 1251, 0},  {"C", 907, 0},
                 {"B", 1003, 0},  {nullptr, 0, 1}, // A's first test: A first appears after B now
                 {nullptr, 0, 0},                  // the unreadable record
                 {"C", 1, 0},     {nullptr, 0, 0}, {nullptr, 0, 1}, {nullptr, 0, 0},
                 {nullptr, 0, 0}, // B's last test: B is gone
                 {nullptr, 0, 0}};
    for (const auto& step : steps) {
        std::vector<BatchSummary> before = kept.all(log);
        BatchSummaries::Touched touched;
        if (step.added != nullptr) {
            BreakTest test = aTest(step.added);
            test.turns = step.turns;
            log.emplace_back(test);
            touched = kept.added(log, log.size() - 1, 0.042);
        } else {
            const std::string batch(log.at(step.taken).batch());
            const int type = log[step.taken].type();
            log.erase(log.begin() + static_cast<std::ptrdiff_t>(step.taken));
            touched = kept.removed(log, step.taken, batch, type, 0.042);
        }
        ASSERT_EQ(kept.all(log), summariseBatches(log, 0.042)) << log.size();
        if (touched.removed != BatchSummaries::npos)
            before.erase(before.begin() + static_cast<std::ptrdiff_t>(touched.removed));
        for (std::size_t i = 0; i < kept.all(log).size(); ++i) {
            if (i < touched.first || i >= touched.end) {
                EXPECT_TRUE(i < before.size() && kept.all(log)[i] == before[i]) << log.size();
            }
        }
    }
    EXPECT_TRUE(kept.all(log).empty());
}

// A test typed in the boxes is read in the shared units, or refused naming the first bad box.
TEST(BreakTestEntry, ReadsTheBoxesOrNamesTheBadOne) {
    const BreakTestTexts good{"B1", "2026-03-14", TanII, 2, "2", "317.5", "1300", "2.75", "", ""};
    const auto read = readBreakTestEntry(good, LengthUnit::Millimetre, 0.042);
    ASSERT_TRUE(read.test);
    EXPECT_EQ(*read.test, (BreakTest{"B1", "2026-03-14", TanII, 2, 2, 12.5, 1300, 2.75, {}, ""}));
    const struct {
        std::string BreakTestTexts::*box;
        const char* text;
        const char* named;
    } cases[] = {{&BreakTestTexts::batch, " ", "\"Batch\""},
                 {&BreakTestTexts::date, "2026-02-30", "\"Date\""},
                 {&BreakTestTexts::strands, "100", "\"Strands\""},
                 {&BreakTestTexts::strands, "0", "\"Strands\""},
                 {&BreakTestTexts::length, "0", "\"Length\""},
                 {&BreakTestTexts::length, "1e999", "\"Length\""},
                 {&BreakTestTexts::length, "1e-320", "\"Turns\" over \"Length\""},
                 {&BreakTestTexts::turns, "0", "\"Turns\""},
                 {&BreakTestTexts::turns, "", "\"Turns\""},
                 {&BreakTestTexts::turns, "2147483648",
                  "\"Turns\" takes the whole number of "
                  "turns at break, at most 2,147,483,647."},
                 {&BreakTestTexts::torque, "-2", "\"Torque\""},
                 {&BreakTestTexts::weight, "0", "\"Weight (g)\""},
                 {&BreakTestTexts::torque, "1e999", "\"Torque\""}};
    for (const auto& c : cases) {
        BreakTestTexts texts = good;
        texts.*c.box = c.text;
        const auto refused = readBreakTestEntry(texts, LengthUnit::Millimetre, 0.042);
        EXPECT_FALSE(refused.test) << c.text;
        EXPECT_NE(refused.refusal.find(c.named), std::string::npos) << refused.refusal;
    }
}

TEST(BatchLogFile, EveryChangeIsWrittenAndAFailedOneChangesNothing) {
    test::TempFolder folder;
    const auto path = folder / "kes-batches.csv";
    DiskFile file(path);
    BatchLog log, again;
    EXPECT_TRUE(loadBatchLog(log, file).missing());
    test::writeBytes(path, kHeader + "odd line\n");
    ASSERT_TRUE(loadBatchLog(log, file).done());
    // A long note, so the log is written in more than one piece.
    ASSERT_TRUE(
        addBreakTest(log, aTest("B\"1", "a,b" + std::string(100'000, 'n')), file, 0.042).done());
    ASSERT_TRUE(addBreakTest(log, aTest(), file, 0.042).done());
    ASSERT_TRUE(loadBatchLog(again, file).done());
    EXPECT_EQ(again, log);
    EXPECT_EQ(test::readBytes(path), formatBatchLog(log, 0.042));
    EXPECT_NE(test::readBytes(path).find("\nodd line\n"), std::string::npos);
    BreakTest bad = aTest();
    bad.strands = 0;
    EXPECT_FALSE(addBreakTest(log, bad, file, 0.042).done());
    EXPECT_FALSE(deleteBatchLogEntry(log, 3, file, 0.042).done());
    const auto mode = std::filesystem::status(path).permissions();
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_FALSE(addBreakTest(log, aTest(), file, 0.042).done()) << "a read-only file";
    EXPECT_FALSE(deleteBatchLogEntry(log, 0, file, 0.042).done());
    EXPECT_EQ(log, again) << "failed changes leave the log equal to the file";
    std::filesystem::permissions(path, mode);
    ASSERT_TRUE(deleteBatchLogEntry(log, 0, file, 0.042).done());
    ASSERT_TRUE(loadBatchLog(again, file).done());
    EXPECT_EQ(again, log);
    EXPECT_EQ(log.size(), 2u);
}

TEST(BatchLogFile, HugeFilesAreRefused) {
    test::TempFolder folder;
    const auto path = folder / "kes-batches.csv";
    DiskFile file(path);
    BatchLog log{BatchLogEntry(aTest())};
    test::writeBytes(path, std::string(kMaxBatchLogEntries + 1, '\n') + "x\n");
    EXPECT_TRUE(loadBatchLog(log, file).done()) << "empty lines make no entries";
    // A log the reader takes whole is never made into one it refuses: an Add is refused.
    std::string manyLines;
    for (std::size_t i = 0; i < kMaxBatchLogEntries; ++i)
        manyLines += "x\n";
    const std::string fullNote = "B1,2026-03-14,Tan II,1/8,2,12.5,1300,,,\"" +
                                 std::string(kMaxBatchLogBytes - 48, 'n') + "\"\n";
    for (const std::string& full : {manyLines, fullNote}) {
        test::writeBytes(path, full);
        ASSERT_TRUE(loadBatchLog(log, file).done());
        const FileResult added = addBreakTest(log, aTest(), file, 0.042);
        EXPECT_EQ(added.reason, full == manyLines ? "it would hold more than 1000000 lines, more "
                                                    "than can be read back"
                                                  : "it would be larger than 64 MiB, more than "
                                                    "can be read back");
        EXPECT_TRUE(test::readBytes(path) == full) << "nothing written";
    }
    test::writeBytes(path, manyLines + "x\n");
    EXPECT_EQ(loadBatchLog(log, file),
              FileResult::tooLargeToRead("it holds more than 1000000 lines", manyLines.size() + 2));
    test::writeBytes(path, std::string(kMaxBatchLogBytes + 1, 'x'));
    EXPECT_EQ(loadBatchLog(log, file),
              FileResult::tooLargeToRead("it is larger than 64 MiB", kMaxBatchLogBytes + 1));
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
