// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Batch Log page's rules on its model, with a log in memory and a calculation state and
// preferences of the test's own.

#include "batches/batch_log_file.h"
#include "batches/torque_log_file.h"
#include "core/calibration.h"
#include "core/iso_date.h"
#include "core/memory_file.h"
#include "models/batch_log_model.h"
#include "models/winding_model.h"
#include "settings/settings_file.h"
#include "tests/support/case_name.h"
#include "tests/support/locale_guard.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace kestrune::test {
namespace {

using test::PrintTo;

// A record no reader understands, then B0 with a note of quotes, a comma and a line break.
const std::string kUnreadable("\0\xff\xfe,\"x", 6);
const std::string kLog =
    kUnreadable + "\nB0,2026-01-02,Tan Sport,1/4,2,8,500,,,\"\"\"a\"\",\nb\"\n";

class BatchLogModelTest : public testing::Test {
protected:
    void load(std::optional<std::string> bytes) {
        file_.setBytes(std::move(bytes));
        model_.load(file_);
    }
    // Add as the page does it: the boxes, then the write. The refusal or the write's reason.
    std::optional<std::string> add(BreakTestTexts texts) {
        if (std::optional<std::string> refusal = model_.typeTest(std::move(texts)))
            return refusal;
        const FileResult written = model_.addTypedTest(file_);
        return written.done() ? std::nullopt : std::optional(written.reason);
    }

    CalcState state_;
    Preferences prefs_;
    BatchLogModel model_{state_, prefs_};
    MemoryFile file_{"kes-batches.csv"};
};

// A test as its boxes hold it, of 2026-03-14 and without a note.
BreakTestTexts typed(const char* batch, int type, int width, const char* strands,
                     std::string length, const char* turns, const char* torque,
                     const char* weight) {
    return {batch, "2026-03-14", type,   width, strands, std::move(length),
            turns, torque,       weight, ""};
}

struct UnitCase {
    std::string name;
    LengthUnit unit;
    bool decimalComma;
    std::array<const char*, 2> lengths; // A's and B's as typed
    std::array<const char*, 3> rows;    // the Tests row each test adds
    double inchesOfB;                   // B's length as the log keeps it
};

class TypedTests : public BatchLogModelTest, public testing::WithParamInterface<UnitCase> {};

// Batch A: four strands of 3/16 with torques, one weighed. B: a two-strand loop of 1/4. Tests typed
// show in the page's units and are summarised per batch; Use acts as a calibration (bit for bit
// for a two-strand loop), Delete asks, and no line is lost.
TEST_P(TypedTests, ShowSummariseUseAndDelete) {
    const UnitCase& c = GetParam();
    std::optional<DecimalCommaLocale> locale;
    if (c.decimalComma)
        KESTRUNE_REQUIRE_DECIMAL_COMMA(locale.emplace());
    prefs_.setUnits(c.unit);
    const BreakTestTexts& start = model_.start("2026-03-14");
    EXPECT_EQ(start.date, "2026-03-14") << "the date the page gives";
    EXPECT_EQ(start.strands, "2");
    load(kLog);
    const std::array tests{typed("A", TanSuperSport, 3, "4", c.lengths[0], "1100", "2.90", ""),
                           typed("A", TanSuperSport, 3, "4", c.lengths[0], "1150", "3.05", "1.90"),
                           typed("B", TanII, 4, "2", c.lengths[1], "1300", "", "")};
    for (std::size_t i = 0; i < tests.size(); ++i) {
        EXPECT_EQ(add(tests[i]), std::nullopt);
        EXPECT_EQ(model_.testsRow(model_.testsRows() - 1), c.rows[i]);
        EXPECT_EQ(model_.typed().turns + model_.typed().torque + model_.typed().weight, "");
    }
    BreakTestTexts noTurns = model_.typed();
    noTurns.turns = "0";
    EXPECT_NE(add(noTurns).value_or("").find("\"Turns\""), std::string::npos);
    ASSERT_EQ(model_.testsRows(), 6) << "nothing added with Turns 0";
    EXPECT_EQ(model_.testsRow(1).substr(0, 16), "Unreadable line\t");
    EXPECT_EQ(model_.batchesRow(2).substr(0, 26), "A\tTan Super Sport\t2\t194.9\t");
    EXPECT_NE(model_.batchesRow(2).find("\t6.1\t190.5\t199.2\t"), std::string::npos);
    EXPECT_EQ(model_.copyText(BatchLogModel::Table::Tests, std::array{3}),
              model_.testsRow(0) + "\n" + c.rows[0] + "\n");
    EXPECT_FALSE(model_.selectTest(1)) << "an unreadable line";
    ASSERT_TRUE(model_.selectTest(3));
    EXPECT_EQ(model_.typed().length + " " + model_.typed().torque + " " + model_.typed().turns,
              std::string(c.unit == LengthUnit::Inch ? "10" : "254") + " 2.9 1100");
    EXPECT_EQ(model_.useDensity(2), std::nullopt);
    EXPECT_DOUBLE_EQ(prefs_.density(), 0.36807972628568675);
    const UseOutcome used = model_.use(3);
    EXPECT_TRUE(used.applied && !used.message);
    EXPECT_EQ(state_.turnsConstant, turnsConstantFromMeasurement(1300 / c.inchesOfB, 0.25));
    MemoryFile settings("kes.cfg");
    ASSERT_TRUE(saveSettings(state_, settings).done());
    EXPECT_EQ(settings.bytes()->substr(0, 4), "147\n");
    const auto card = [this] {
        SharedMotor shared;
        WindingModel winding(state_, prefs_, shared);
        winding.shown();
        return winding.copyText();
    };
    EXPECT_NE(card().find(", torque constant not calibrated, the turns constant from batch B\n"),
              std::string::npos)
        << card();
    state_.table.turns[TanII] += 1; // calibrated again
    EXPECT_EQ(card().find("from batch"), std::string::npos);
    EXPECT_EQ(
        model_.deleteQuestion(3),
        "Delete the test of batch \"A\" of 2026-03-14 (" + std::string(c.lengths[0]) +
            (c.unit == LengthUnit::Inch ? " in" : " mm") +
            ", 1100 turns) from the Batch Log?\n\nIt is removed from kes-batches.csv at once.");
    ASSERT_TRUE(model_.deleteTest(3, file_).done());
    EXPECT_EQ(model_.testsRows(), 5);
    EXPECT_EQ(file_.bytes()->find(batchLogHeader() + "\n" + kUnreadable + "\n"), 0U);
    BatchLog log;
    ASSERT_TRUE(loadBatchLog(log, file_).done());
    ASSERT_EQ(log.size(), 4U) << "the unreadable line, B0, A's second test and B";
    EXPECT_EQ(log[1].test()->note, "\"a\",\nb");
    EXPECT_EQ(log[2].test()->turns, 1150);

    // The next run starts with the boxes as they were, Length in the units chosen since, but
    // with its own date.
    BreakTestTexts boxes = tests[2];
    boxes.note = "new roll";
    prefs_.setUnits(c.unit == LengthUnit::Inch ? LengthUnit::Millimetre : LengthUnit::Inch);
    model_.keepBoxes(boxes);
    boxes.date = "2026-03-15";
    boxes.length = c.unit == LengthUnit::Inch ? "317.5" : "12.50";
    EXPECT_EQ(BatchLogModel(state_, prefs_).start("2026-03-15"), boxes);
}

const UnitCase kUnits[] = {
    {"inches",
     LengthUnit::Inch,
     false,
     {"10.00", "12.50"},
     {"A\tTan Super Sport\t1100\t190.5\t0.558\t2026-03-14\t3/16\t4\t10.00\t2.90\t\t",
      "A\tTan Super Sport\t1150\t199.2\t0.587\t2026-03-14\t3/16\t4\t10.00\t3.05\t1.90\t",
      "B\tTan II\t1300\t147.1\t–\t2026-03-14\t1/4\t2\t12.50\t\t\t"},
     12.5},
    {"millimetres_decimal_comma",
     LengthUnit::Millimetre,
     true,
     {"254.0", "317.5"},
     {"A\tTan Super Sport\t1100\t190.5\t0.558\t2026-03-14\t3/16\t4\t254.0\t2.90\t\t",
      "A\tTan Super Sport\t1150\t199.2\t0.587\t2026-03-14\t3/16\t4\t254.0\t3.05\t1.90\t",
      "B\tTan II\t1300\t147.1\t–\t2026-03-14\t1/4\t2\t317.5\t\t\t"},
     toInches(317.5, LengthUnit::Millimetre)}};
INSTANTIATE_TEST_SUITE_P(BatchLogModel, TypedTests, testing::ValuesIn(kUnits), CaseName{});

enum class Ask { Delete, Use, UseDensity, UseStatus, UseDensityStatus };
struct MessageCase {
    std::string name;
    std::string log;
    Ask ask;
    int row;
    std::optional<std::string> text;
};
class Messages : public BatchLogModelTest, public testing::WithParamInterface<MessageCase> {};

// What Delete asks, and what Use and Use density refuse.
TEST_P(Messages, NameWhatTheyAreAbout) {
    const MessageCase& c = GetParam();
    load(c.log);
    std::optional<std::string> text = c.ask == Ask::Delete ? model_.deleteQuestion(c.row)
                                      : c.ask == Ask::Use || c.ask == Ask::UseStatus
                                          ? model_.use(c.row).message
                                          : model_.useDensity(c.row);
    if (c.ask == Ask::UseStatus || c.ask == Ask::UseDensityStatus)
        text = model_.status();
    EXPECT_EQ(text, c.text);
}

const std::string kDeleted = " from the Batch Log?\n\nIt is removed from kes-batches.csv at once.";
const std::string kChoose = "Choose a batch in \"Batches\" first.";
const MessageCase kMessages[] = {
    {"delete_of_the_header_asks_nothing", kLog, Ask::Delete, 0, {}},
    {"delete_past_the_last_test_asks_nothing", kLog, Ask::Delete, 3, {}},
    {"delete_of_an_unreadable_line_names_its_row", kLog, Ask::Delete, 1,
     "Delete the line of kes-batches.csv that could not be read (row 1)" + kDeleted},
    {"delete_quotes_a_long_batch_cut_between_characters",
     std::string(39, 'x') + "\xc3\xa9\xc3\xa9,2026-01-02,Tan II,1/8,2,10,1000,,,\n", Ask::Delete, 1,
     "Delete the test of batch \"" + std::string(39, 'x') +
         "…\" of 2026-01-02 (10.00 in, 1000 turns)" + kDeleted},
    {"use_without_a_batch", kLog, Ask::Use, -1, kChoose},
    {"use_of_the_header", kLog, Ask::Use, 0, kChoose},
    {"use_density_without_a_batch", kLog, Ask::UseDensity, -1, kChoose},
    {"use_of_a_batch_that_gives_no_constant", "H,2026-01-02,Tan II,1/8,2,1e-300,2000000000,,,\n",
     Ask::Use, 1,
     "Batch \"H\" (Tan II) gives no constant Kestrune can compute with. Nothing was changed."},
    {"use_of_constants_kes_cfg_writes_as_0", "L,2026-01-02,Tan II,1/8,2,10,3,0.004,,\n", Ask::Use,
     1,
     "Batch \"L\" (Tan II) is in use. kes.cfg keeps its turns constant 0.3 as 0 and its torque "
     "constant 0.004 as 0.00, which read as not calibrated; Kestrune keeps them exactly in "
     "kes-prefs.cfg whenever it writes kes.cfg, and starts with those."},
    {"use_of_a_constant_kes_cfg_rounds", "R,2026-01-02,Tan II,1/8,2,10,1132,,,\n", Ask::Use, 1,
     std::nullopt},
    {"use_density_of_a_batch_with_no_weight", kLog, Ask::UseDensity, 1,
     "Batch \"B0\" (Tan Sport) has no test with a weight, so it gives no density. Enter each "
     "test motor's weight in \"Weight (g)\"."},
    {"use_says_what_it_applied",
     "A,2026-01-02,Tan II,1/8,2,10,1000,2.75,,\nA,2026-01-03,Tan II,1/8,2,10,1100,2.85,,\n",
     Ask::UseStatus, 1, "Tan II now computes with 105.0 and 2.800 (batch A, 2 tests)"},
    {"use_without_torque_tests_says_the_torque_constant_stays", kLog, Ask::UseStatus, 1,
     "Tan Sport now computes with 88.4 and its torque constant as it was (batch B0, 1 test)"},
    {"use_refused_says_nothing", kLog, Ask::UseStatus, 0, ""},
    {"use_density_says_what_it_applied", "W,2026-01-02,Tan II,1/8,2,10,1000,,1.5,\n",
     Ask::UseDensityStatus, 1,
     "Motor Weight now computes with 0.8718 g/cm³ (batch W, 1 weighed test)"}};
INSTANTIATE_TEST_SUITE_P(BatchLogModel, Messages, testing::ValuesIn(kMessages), CaseName{});

struct NameCase {
    std::string name;
    const char* typed;
    const char* taken; // as the log's batch TanII 2024 A (or tanii 2024 b) it is, or as typed
};
class BatchNames : public BatchLogModelTest, public testing::WithParamInterface<NameCase> {};

// A batch typed as a known one but for case and blanks is that one, not another batch.
TEST_P(BatchNames, TakeTheKnownNameForATypingSlip) {
    load("TanII 2024 A,2026-01-02,Tan II,1/8,2,10,1000,,,\ntanii 2024 b,2026-01-02,Tan II,1/8,2,"
         "10,1000,,,\nTanII 2024 B,2026-01-02,Tan II,1/8,2,10,1000,,,\n");
    EXPECT_EQ(model_.typeTest(typed(GetParam().typed, TanII, 2, "2", "10", "900", "", "")),
              std::nullopt);
    EXPECT_EQ(model_.typed().batch, GetParam().taken);
}

const NameCase kNames[] = {
    {"case_and_blanks", " tanii  2024\ta ", "TanII 2024 A"},
    {"exactly_as_logged_stays_although_another_differs_by_case", "TanII 2024 B", "TanII 2024 B"},
    {"the_first_that_matches", "TANII 2024 B", "tanii 2024 b"},
    {"blanks_between_words_still_part_of_the_name", "tanii2024a", "tanii2024a"},
    {"another_word_is_another_batch", "TanII 2024 A2", "TanII 2024 A2"},
    {"letters_beyond_a_to_z_keep_their_case", "TÄNII 2024 A", "TÄNII 2024 A"}};
INSTANTIATE_TEST_SUITE_P(BatchLogModel, BatchNames, testing::ValuesIn(kNames), CaseName{});

struct FileCase {
    std::string name;
    bool tooLarge, readFails, writeFails;
    int tests; // Tests rows once read; an Add adds one and a Delete takes it away when written
};
class Files : public BatchLogModelTest, public testing::WithParamInterface<FileCase> {};

// A log that cannot be read shows no test, and Add or Delete replaces it (the page asks first);
// a write that fails changes neither the log nor the boxes. The log always equals its file.
TEST_P(Files, AreReadAndWritten) {
    const FileCase& c = GetParam();
    file_.failReads(c.readFails ? std::optional<std::string>("it is a folder") : std::nullopt);
    file_.failWrites(c.writeFails ? std::optional<std::string>("the disk is full") : std::nullopt);
    load(c.tooLarge ? std::string(kMaxBatchLogBytes + 1, 'x') : kLog);
    EXPECT_EQ(model_.testsRows(), c.tests);
    EXPECT_EQ(model_.batchesRows(), c.tests == 1 ? 1 : 2);
    const std::optional<std::string> before = c.writeFails ? file_.bytes() : std::nullopt;
    EXPECT_EQ(add(typed("B", TanII, 4, "2", "12.5", "1300", "", "")).has_value(), c.writeFails);
    EXPECT_EQ(model_.typed().turns, c.writeFails ? "1300" : "");
    EXPECT_EQ(model_.testsRows(), c.writeFails ? c.tests : c.tests + 1);
    EXPECT_EQ(model_.deleteTest(1, file_).done(), !c.writeFails);
    EXPECT_EQ(model_.testsRows(), c.tests);
    EXPECT_TRUE(!c.writeFails || file_.bytes() == before) << "the file as it was";
    BatchLog onFile;
    file_.failReads(std::nullopt);
    ASSERT_TRUE(loadBatchLog(onFile, file_).done());
    EXPECT_EQ(static_cast<int>(onFile.size()) + 1, model_.testsRows());
}

const FileCase kFiles[] = {{"unreadable", false, true, false, 1},
                           {"over_64_mib", true, false, false, 1},
                           {"writes_fail", false, false, true, 3}};
INSTANTIATE_TEST_SUITE_P(BatchLogModel, Files, testing::ValuesIn(kFiles), CaseName{});

struct OutsideCase {
    std::string name;
    std::string log;                    // read when the page was shown
    std::optional<std::string> outside; // then left in the file by another program; none: removed
    int deleteRow;                      // 0: Add B, else Delete (or Change) of that Tests row
    const char* refusal;                // a part of the reason, "" when it is done
    const char* shown;                  // the tests' batches, "?" for an unreadable record
    std::size_t grown = 0;              // bytes another program added after outside
    bool change = false;                // Change the row's test to batch B
};
class OutsideChanges : public BatchLogModelTest, public testing::WithParamInterface<OutsideCase> {};

// The log as it is on disk takes the change: what another program or another copy of Kestrune
// left there is kept, and the page shows it; a test that is no longer there as it was read is not
// deleted, and a file that cannot be read any more is not written. Unreadable records, also of
// several lines and CR line ends, are written back byte for byte.
TEST_P(OutsideChanges, TheLogOnDiskTakesTheChange) {
    const OutsideCase& c = GetParam();
    load(c.log);
    const bool changed = c.outside != std::optional(c.log) || c.grown > 0;
    if (changed)
        file_.setBytes(c.outside ? *c.outside + std::string(c.grown, 'x') : c.outside);
    const std::optional<std::string> before = file_.bytes();
    const auto changeToB = [&]() -> FileResult {
        if (!model_.selectTest(c.deleteRow))
            return FileResult::failure("not selected");
        BreakTestTexts texts = model_.typed();
        texts.batch = "B";
        if (model_.typeTest(texts))
            return FileResult::failure("refused");
        return model_.changeTypedTest(file_);
    };
    const auto deleted = [&]() -> std::optional<std::string> {
        const FileResult result = c.change ? changeToB() : model_.deleteTest(c.deleteRow, file_);
        return result.done() ? std::nullopt : std::optional(result.reason);
    };
    const std::optional<std::string> refused =
        c.deleteRow == 0 ? add(typed("B", TanII, 4, "2", "12.5", "1300", "", "")) : deleted();
    EXPECT_NE(refused.value_or("").find(c.refusal), std::string::npos) << refused.value_or("");
    EXPECT_EQ(refused.has_value(), *c.refusal != '\0');
    EXPECT_EQ(model_.reread(), changed);
    std::string shown;
    for (int row = 1; row < model_.testsRows(); ++row) {
        const std::string text = model_.testsRow(row);
        shown += (row > 1 ? "," : "") +
                 (text.starts_with("Unreadable line\t") ? "?" : text.substr(0, text.find('\t')));
    }
    EXPECT_EQ(shown, c.shown);
    if (refused) {
        EXPECT_TRUE(file_.bytes() == before) << "nothing written";
        return;
    }
    BatchLog onDisk, source;
    ASSERT_TRUE(loadBatchLog(onDisk, file_).done());
    EXPECT_EQ(static_cast<int>(onDisk.size()) + 1, model_.testsRows());
    MemoryFile old("before", before);
    loadBatchLog(source, old);
    for (const BatchLogEntry& entry : source) {
        EXPECT_TRUE(entry.isTest() || file_.bytes()->find(std::string(entry.unreadable()) + "\n") !=
                                          std::string::npos);
    }
}

const std::string kFromA = "FromA,2026-01-01,Tan II,1/8,2,10,500,,,,50,,\n";
const OutsideCase kOutside[] = {
    {"unchanged_is_not_read_again", kLog, kLog, 0, "", "?,B0,B"},
    {"another_copy_added_a_test", kLog, batchLogHeader() + "\n" + kLog + kFromA, 0, "",
     "?,B0,FromA,B"},
    {"a_line_appended_outside", kLog, kLog + "B9,2026-01-01,Tan II,1/8,2,10,500,,,\n", 0, "",
     "?,B0,B9,B"},
    {"removed_outside", kLog, std::nullopt, 0, "", "B"},
    {"cr_line_ends", "Batch,Date\rB0,2026-01-01,Tan II,1/8,2,10,500,,,hello\rjunk\r",
     "Batch,Date\rB0,2026-01-01,Tan II,1/8,2,10,500,,,hello\rjunk\r", 0, "", "B0,?,B"},
    {"an_unreadable_record_of_several_lines",
     "X,2026-01-01,Tan II,1/8,0,10,500,,,\"note one\n\n\nnote two\r\nend\"\n",
     "X,2026-01-01,Tan II,1/8,0,10,500,,,\"note one\n\n\nnote two\r\nend\"\n", 0, "", "?,B"},
    {"delete_finds_its_test_moved", kLog, kFromA + kLog, 2, "", "FromA,?"},
    {"delete_of_a_test_changed_outside", kLog,
     kUnreadable + "\nB0,2026-01-02,Tan Sport,1/4,2,8,501,,,\"\"\"a\"\",\nb\"\n", 2,
     "no longer in it", "?,B0"},
    {"delete_of_a_test_removed_outside", kLog, kUnreadable + "\n", 2, "no longer in it", "?"},
    {"grown_past_64_mib_outside", kLog, kLog, 0,
     "another program changed it since Kestrune read it, and now it is larger than 64 MiB", "",
     kMaxBatchLogBytes},
    {"change_replaces_its_test_in_place", kLog, kLog, 2, "", "?,B", 0, true},
    {"change_finds_its_test_moved", kLog, kFromA + kLog, 2, "", "FromA,?,B", 0, true},
    {"change_of_a_test_changed_outside", kLog,
     kUnreadable + "\nB0,2026-01-02,Tan Sport,1/4,2,8,501,,,\"\"\"a\"\",\nb\"\n", 2,
     "no longer in it", "?,B0", 0, true}};
INSTANTIATE_TEST_SUITE_P(BatchLogModel, OutsideChanges, testing::ValuesIn(kOutside), CaseName{});

struct AgainCase {
    std::string name;
    LengthUnit from, unit;
    double thickness;
    const char* length; // in the Length box, then as shown again
    const char* shown;
    bool tables;
    const char* density; // W's, in Batches
};
class ShownAgain : public BatchLogModelTest, public testing::WithParamInterface<AgainCase> {};

// Shown again, the page follows the units and strip thickness another page chose.
TEST_P(ShownAgain, FollowsTheUnitsAndThickness) {
    const AgainCase& c = GetParam();
    prefs_.setUnits(c.from);
    load("W,2026-01-02,Tan II,1/8,2,10,1000,,1.5,\n");
    prefs_.setUnits(c.unit);
    prefs_.setThickness(c.thickness);
    EXPECT_EQ(model_.showAgain(c.length), c.tables);
    EXPECT_EQ(model_.typed().length, c.shown);
    EXPECT_EQ(model_.testsRow(0).find("mm") != std::string::npos, c.unit == LengthUnit::Millimetre);
    EXPECT_NE(model_.batchesRow(1).find(std::string(c.density) + "\t"), std::string::npos);
}

constexpr LengthUnit kIn = LengthUnit::Inch, kMm = LengthUnit::Millimetre;
const AgainCase kAgain[] = {
    {"nothing_changed", kIn, kIn, 0.042, "12.5", "12.5", false, "\t0.872"},
    {"millimetres", kIn, kMm, 0.042, "12.5", "317.5", true, "\t0.872"},
    {"inches", kMm, kIn, 0.042, "317.5", "12.50", true, "\t0.872"},
    {"a_length_that_is_no_number_stays", kIn, kMm, 0.042, "12,5", "12,5", true, "\t0.872"},
    {"thicker_strip", kIn, kIn, 0.05, "12.5", "12.5", true, "\t0.732"}};
INSTANTIATE_TEST_SUITE_P(BatchLogModel, ShownAgain, testing::ValuesIn(kAgain), CaseName{});

// A back-off from 100 turns at 10 oz-in to none (22.185 J out), with its winding or not.
std::string torqueTest(const std::string& fields, const char* grams, bool wound) {
    const std::string start = fields + ",1/4,2,8," + grams + ",16,typed,,";
    return (wound ? start + "wind,0,0\n" : "") + start + "unwind,100,10\n" + start + "unwind,0,0\n";
}

struct TorqueCase {
    std::string name;
    std::optional<std::string> torqueLog; // none: it cannot be read
    std::vector<std::string> rows; // batch, type, break tests, torque columns; again after T's Add
};
class TorqueTests : public BatchLogModelTest, public testing::WithParamInterface<TorqueCase> {};

// A batch with torque tests only has its row after the others until a break test of it is added.
TEST_P(TorqueTests, AddTheirColumnsToBatches) {
    const TorqueCase& c = GetParam();
    load(kLog);
    MemoryFile torque("kes-torque.csv", c.torqueLog ? torqueLogHeader() + "\n" + *c.torqueLog
                                                    : std::optional<std::string>());
    EXPECT_EQ(model_.loadTorqueTests(torque).done(), c.torqueLog.has_value());
    std::vector<std::string> rows;
    for (const bool added : {false, true}) {
        ASSERT_TRUE(!added || !add(typed("T", TanII, 4, "2", "12", "1300", "", "")));
        for (int row = 1; row < model_.batchesRows(); ++row) {
            std::string text = model_.batchesRow(row);
            std::size_t from = 0, to = 0;
            for (int tab = 0; tab < 12; ++tab)
                (tab < 3 ? from : to) = text.find('\t', std::max(from, to)) + 1;
            rows.push_back(text.erase(from, to - from));
        }
    }
    EXPECT_EQ(rows, c.rows);
    EXPECT_TRUE(model_.batchesRow(0).ends_with("\tTorque tests\tJ/g\tDeviation\tHysteresis (%)"));
}

const TorqueCase kTorque[] = {
    {"unreadable",
     std::nullopt,
     {"B0\tTan Sport\t1\t0\t–\t–\t–", "B0\tTan Sport\t1\t0\t–\t–\t–", "T\tTan II\t1\t0\t–\t–\t–"}},
    {"two_of_a_batch_one_wound_and_one_of_a_batch_without_break_tests",
     torqueTest("1,B0,2026-03-14,Tan Sport", "10", true) +
         torqueTest("2,B0,2026-03-14,Tan Sport", "20", false) +
         torqueTest("3,T,2026-03-14,Tan II", "10", false),
     {"B0\tTan Sport\t1\t2\t1.66\t0.78\t0.0", "T\tTan II\t0\t1\t2.22\t–\t–",
      "B0\tTan Sport\t1\t2\t1.66\t0.78\t0.0", "T\tTan II\t1\t1\t2.22\t–\t–"}}};
INSTANTIATE_TEST_SUITE_P(BatchLogModel, TorqueTests, testing::ValuesIn(kTorque), CaseName{});

} // namespace
} // namespace kestrune::test
