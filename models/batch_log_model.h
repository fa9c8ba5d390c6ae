// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Batch Log page without its window: the logged tests and each batch's summary in the units
// and strip thickness the page shows them with, the test typed for Add, and every text of its
// tables, questions and refusals. "Use" applies a batch as a calibration does, "Use density"
// gives the modeller's pages its rubber.

#include "batches/batch_log_entry.h"
#include "batches/batch_log_file.h"
#include "batches/batch_summaries.h"
#include "batches/batch_summary.h"
#include "batches/break_test_entry.h"
#include "batches/torque_summaries.h"
#include "core/calc_state.h"
#include "core/preferences.h"
#include "core/stored_file.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// What "Use" did: whether the batch's constants are in use now, and what to tell the user: why
// they are not, or what of them kes.cfg cannot keep on its own.
struct UseOutcome {
    bool applied = false;
    std::optional<std::string> message;
};

class BatchLogModel {
public:
    // What a failed read of kes-batches.csv, a failed Add or Delete, and a failed "Save Value"
    // after "Use" mean for the user.
    static constexpr std::string_view kLogUnread =
        "The Batch Log shows no tests. Kestrune leaves the file as it is and asks before it "
        "replaces it.";
    // What replacing kes-batches.csv erases, said before a log too large to read is replaced.
    static constexpr std::string_view kReplacingErases =
        "It is the batch log: replacing it erases every test in it.";
    static constexpr std::string_view kTestNotAdded =
        "The test was not added; the boxes still hold it.";
    static constexpr std::string_view kTestNotChanged =
        "The test was not changed; the boxes still hold it.";
    static constexpr std::string_view kLogKept = "Nothing was deleted: the file is as it was.";
    static constexpr std::string_view kConstantsNotKept =
        "The batch's constants are in use until Kestrune ends, but they were not kept for the "
        "next start.";

    // The calculation state takes what "Use" applies; the preferences give the units and strip
    // thickness the tables are shown with and take the density of "Use density".
    BatchLogModel(CalcState& state, Preferences& preferences);

    // The boxes of the first test: those kept from the last run, else the calculation pages'
    // type, "1/8" and the two-strand test loop; always the date of today (ISO, as the page's
    // clock gives it).
    const BreakTestTexts& start(std::string today);
    // The boxes as they stand when the page ends, kept for the next run but for the date: the
    // next run's tests are of its own day. Length is kept in the preferences' units.
    void keepBoxes(const BreakTestTexts& texts);

    // The log becomes the file's, shown in the preferences' units and thickness. A failed read
    // leaves no test of it: part of a log is no log to add to.
    FileResult load(StoredFile& file);
    // Shown again, with the Length box's text as it stands: after a change of units on another
    // page typed().length holds that length in the new units. True when the tables are shown
    // anew (the units or the thickness changed).
    bool showAgain(std::string length);
    // The torque tests of kes-torque.csv, summarised beside the batches: Batches rows gain their
    // columns, and a batch and type with torque tests only a row after the others. A failed read
    // leaves none (the Torque Test page tells of it).
    FileResult loadTorqueTests(StoredFile& file);

    // Tests: the header row, then one row per entry of the log.
    int testsRows() const;
    std::string testsRow(int row) const;
    // Batches: the header row, then one row per summary.
    int batchesRows() const;
    std::string batchesRow(int row) const;
    // What the last Add or Delete that did not read the log again changed in Batches: the row
    // taken out (-1 for none), then the rows from first to last that read differently now (rows
    // past the count before are new).
    struct BatchRowsChange {
        int removed = -1;
        int first = 1;
        int last = 0;
    };
    const BatchRowsChange& batchRowsChanged() const { return batchRowsChanged_; }
    // The summary a Batches row shows, exactly (one without break tests for a batch with torque
    // tests only); nothing for the header row.
    std::optional<BatchSummary> summary(int row) const { return summaryAt(row); }
    // The header row of either table is no test and no batch.
    static bool isHeaderRow(int row) { return row == 0; }

    // The batch names of the log for the Batch list, sorted, each once; at most kListedBatches
    // of them (a typed name is matched to every name of the log all the same).
    static constexpr std::size_t kListedBatches = 1000;
    std::vector<std::string> batchNames() const;

    // Add or Change, first: the boxes as they stand, a batch typed as a known one but for case
    // and blanks taken as that one; the refusal to tell when they give no test (nothing is
    // asked or written then).
    std::optional<std::string> typeTest(BreakTestTexts texts);
    // Then the test typed goes into the log and its file, as the file is on disk. Once it is
    // written the boxes of its own results are emptied for the next test of the series.
    FileResult addTypedTest(StoredFile& file);
    // The boxes as the model last had them: typed, emptied after Add, Length converted, filled
    // from a test selected.
    const BreakTestTexts& typed() const { return typed_; }

    // The user selected a Tests row: a test's values go into the boxes, to be changed (true); a
    // row that is no test (or -1) changes nothing. Either way what was being changed is not.
    bool selectTest(int row);
    // The Tests row being changed, -1 for none: Change is for it, and Enter changes it.
    int changingRow() const { return changing_; }
    // Change: the test typed takes the place of the one being changed, in the log and its file
    // as the file is on disk; when another program changed or removed that one, nothing is.
    FileResult changeTypedTest(StoredFile& file);

    // Delete of a Tests row: the question to ask first, nothing for a row that is no test. The
    // test asked about goes, from the file as it is on disk; when another program changed or
    // removed its record, nothing is deleted.
    std::optional<std::string> deleteQuestion(int row) const;
    FileResult deleteTest(int row, StoredFile& file);
    // Whether the last Add or Delete found that another program had changed the file, and read
    // it again: then both tables show it anew, whatever came of the change.
    bool reread() const { return reread_; }

    // Copy: the table's header, then the rows given (each Tests or Batches row once, in order),
    // or every row when none is given; a line each, tab-separated.
    enum class Table { Tests, Batches };
    std::string copyText(Table table, std::span<const int> rows) const;

    // What the last "Use" or "Use density" did, until the next change of the log or of what is
    // used; empty for nothing.
    const std::string& status() const { return status_; }

    // "Use" of a Batches row; the page keeps the constants with saveConstantsReported when
    // "Save Value" is ticked.
    UseOutcome use(int row);
    // "Use density" of a Batches row: what to tell the user when nothing was applied, nothing
    // when it was.
    std::optional<std::string> useDensity(int row);

private:
    // The preferences' units and thickness become the tables', and the batches are summarised.
    void seePreferences();
    std::optional<BatchSummary> summaryAt(int row) const;
    // The change made to the file as it is on disk; a Delete gives the batch and type of the
    // entry it takes out.
    FileResult change(const BatchLogChange& change, StoredFile& file,
                      std::string_view goneBatch = {}, int goneType = -1);
    void touched(const BatchSummaries::Touched& touched);
    // Which torque summaries have no batch of break tests, after the summaries changed.
    void matchTorqueTests();
    const TorqueSummary* torqueSummaryOf(const std::string& batch, int type) const;

    CalcState& state_;
    Preferences& preferences_;
    BatchLog entries_;         // equal to kes-batches.csv, Tests row i + 1 each
    BatchSummaries summaries_; // Batches row i + 1 each
    std::vector<TorqueSummary> torque_;
    std::map<std::pair<std::string, int>, std::size_t> torqueAt_; // by batch and type
    std::vector<std::size_t> torqueOnly_; // Batches row summaries_.size() + i + 1 each
    BatchRowsChange batchRowsChanged_;
    LengthUnit shownUnit_ = LengthUnit::Inch;
    double shownThickness_ = 0;
    BreakTestTexts typed_;
    std::optional<BreakTest> test_; // the test typed for Add
    bool reread_ = false;
    int changing_ = -1;
    std::string status_;
};

} // namespace kestrune
