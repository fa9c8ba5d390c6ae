// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "batch_log_model.h"

#include "batches/batch_log_file.h"
#include "batches/batch_rows.h"
#include "core/iso_date.h"
#include "core/number_text.h"
#include "models/kept_inputs.h"
#include "same_batch_name.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <cstddef>

namespace kestrune {
namespace {

constexpr std::string_view kKeptBatch = "batch-log.batch";
constexpr std::string_view kKeptType = "batch-log.type";
constexpr std::string_view kKeptWidth = "batch-log.width";
constexpr std::string_view kKeptStrands = "batch-log.strands";
constexpr std::string_view kKeptLength = "batch-log.length";
constexpr std::string_view kKeptTurns = "batch-log.turns";
constexpr std::string_view kKeptTorque = "batch-log.torque";
constexpr std::string_view kKeptWeight = "batch-log.weight";
constexpr std::string_view kKeptNote = "batch-log.note";

// A typed length in the units given; a text that is no length stays as typed.
std::string lengthIn(std::string text, LengthUnit from, LengthUnit to) {
    if (from != to) {
        if (const std::optional<double> value = readCompleteNumber(text))
            return formatLength(toInches(*value, from), to);
    }
    return text;
}

// A batch name or note as a message quotes it: its start, cut between characters.
std::string inQuotes(std::string_view text) {
    constexpr std::size_t kMost = 40;
    std::string out = "\"";
    if (text.size() <= kMost) {
        out += text;
    } else {
        std::size_t cut = kMost;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0U) == 0x80U)
            --cut;
        out += text.substr(0, cut);
        out += "…";
    }
    return out + "\"";
}

// A batch name cut as inQuotes cuts it, without the quotes.
std::string shortName(std::string_view text) {
    const std::string quoted = inQuotes(text);
    return quoted.substr(1, quoted.size() - 2);
}

std::string testCount(std::size_t tests, std::string_view what) {
    return std::to_string(tests) + " " + std::string(what) + (tests == 1 ? "" : "s");
}

std::string batchName(const BatchSummary& summary) {
    return "Batch " + inQuotes(summary.batch) + " (" + std::string(typeListText(summary.type)) +
           ")";
}

// The constants "Use" applied that kes.cfg writes as 0, "not calibrated": "turns constant 0.3
// as 0"; empty when kes.cfg keeps each of them as a constant.
std::vector<std::string> constantsKesCfgLoses(const BatchSummary& summary) {
    std::vector<std::string> lost;
    const auto check = [&](Quantity quantity, const std::optional<Statistic>& statistic) {
        if (!statistic)
            return;
        const std::string kept = formatSettingsConstant(quantity, statistic->mean);
        if (parseNumber(kept) == 0)
            lost.push_back(
                quantity == Quantity::Turns
                    ? "turns constant " + turnsConstantText(statistic->mean) + " as " + kept
                    : "torque constant " + torqueConstantText(statistic->mean) + " as " + kept);
    };
    check(Quantity::Turns, summary.turns);
    check(Quantity::Torque, summary.torque);
    return lost;
}

} // namespace

BatchLogModel::BatchLogModel(CalcState& state, Preferences& preferences)
    : state_(state), preferences_(preferences) {}

const BreakTestTexts& BatchLogModel::start(std::string today) {
    typed_ = {};
    typed_.date = std::move(today);
    const auto kept = [this](std::string_view key, std::string_view fallback = {}) {
        return keptText(preferences_, key).value_or(std::string(fallback));
    };
    typed_.batch = kept(kKeptBatch);
    typed_.type =
        keptEntry(preferences_, kKeptType, kRubberTypeCount, startingType(state_.currentType));
    typed_.width =
        keptEntry(preferences_, kKeptWidth, kStripWidthCount, static_cast<int>(StripWidth::W1_8));
    typed_.strands = kept(kKeptStrands, "2");
    typed_.length = kept(kKeptLength);
    typed_.turns = kept(kKeptTurns);
    typed_.torque = kept(kKeptTorque);
    typed_.weight = kept(kKeptWeight);
    typed_.note = kept(kKeptNote);
    return typed_;
}

void BatchLogModel::keepBoxes(const BreakTestTexts& texts) {
    keepText(preferences_, kKeptBatch, texts.batch);
    keepEntry(preferences_, kKeptType, texts.type);
    keepEntry(preferences_, kKeptWidth, texts.width);
    keepText(preferences_, kKeptStrands, texts.strands);
    keepText(preferences_, kKeptLength, lengthIn(texts.length, shownUnit_, preferences_.units()));
    keepText(preferences_, kKeptTurns, texts.turns);
    keepText(preferences_, kKeptTorque, texts.torque);
    keepText(preferences_, kKeptWeight, texts.weight);
    keepText(preferences_, kKeptNote, texts.note);
}

FileResult BatchLogModel::load(StoredFile& file) {
    // Read beside the log, not into it, so that a read that fails or runs out of memory halfway
    // leaves no test.
    entries_ = {};
    seePreferences();
    BatchLog read;
    FileResult result = loadBatchLog(read, file);
    if (result.failed())
        return result;
    summaries_ = BatchSummaries(read, shownThickness_);
    entries_ = std::move(read);
    matchTorqueTests();
    return result;
}

FileResult BatchLogModel::loadTorqueTests(StoredFile& file) {
    torque_ = {};
    torqueAt_ = {};
    TorqueLog read;
    const FileResult result = loadTorqueLog(read, file);
    if (result.done()) {
        torque_ = summariseTorqueTests(read);
        for (std::size_t i = 0; i < torque_.size(); ++i)
            torqueAt_.emplace(std::pair(torque_[i].batch, torque_[i].type), i);
    }
    matchTorqueTests();
    return result;
}

void BatchLogModel::matchTorqueTests() {
    torqueOnly_.clear();
    if (torque_.empty())
        return;
    std::vector<bool> matched(torque_.size(), false);
    for (std::size_t i = 0; i < summaries_.size(); ++i) {
        const BatchSummary summary = summaries_.at(i, entries_);
        if (const auto at = torqueAt_.find(std::pair(summary.batch, summary.type));
            at != torqueAt_.end())
            matched[at->second] = true;
    }
    for (std::size_t i = 0; i < torque_.size(); ++i) {
        if (!matched[i])
            torqueOnly_.push_back(i);
    }
}

const TorqueSummary* BatchLogModel::torqueSummaryOf(const std::string& batch, int type) const {
    const auto at = torqueAt_.find(std::pair(batch, type));
    return at == torqueAt_.end() ? nullptr : &torque_[at->second];
}

bool BatchLogModel::showAgain(std::string length) {
    const LengthUnit unit = preferences_.units();
    typed_.length = lengthIn(std::move(length), shownUnit_, unit);
    if (unit == shownUnit_ && preferences_.thickness() == shownThickness_)
        return false;
    seePreferences();
    changing_ = -1; // the tables are shown anew, without a selection
    return true;
}

void BatchLogModel::seePreferences() {
    shownUnit_ = preferences_.units();
    shownThickness_ = preferences_.thickness();
    summaries_ = BatchSummaries(entries_, shownThickness_);
    matchTorqueTests();
}

int BatchLogModel::testsRows() const {
    return static_cast<int>(entries_.size()) + 1;
}

std::string BatchLogModel::testsRow(int row) const {
    if (row == 0)
        return testsHeader(shownUnit_);
    if (row < 0 || row >= testsRows())
        return {};
    return formatTestRow(entries_[static_cast<std::size_t>(row - 1)], shownThickness_, shownUnit_);
}

int BatchLogModel::batchesRows() const {
    return static_cast<int>(summaries_.size() + torqueOnly_.size()) + 1;
}

std::string BatchLogModel::batchesRow(int row) const {
    if (row == 0)
        return batchesHeader() + torqueSummaryHeader();
    const std::optional<BatchSummary> summary = summaryAt(row);
    return summary ? formatBatchRow(*summary) +
                         torqueSummaryColumns(torqueSummaryOf(summary->batch, summary->type))
                   : std::string();
}

std::vector<std::string> BatchLogModel::batchNames() const {
    std::vector<std::string> names;
    for (const BatchLogEntry& entry : entries_) {
        if (entry.isTest())
            names.emplace_back(entry.batch());
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    if (names.size() > kListedBatches)
        names.resize(kListedBatches);
    return names;
}

std::optional<std::string> BatchLogModel::typeTest(BreakTestTexts texts) {
    typed_ = std::move(texts);
    std::optional<std::string_view> known;
    for (const BatchLogEntry& entry : entries_) {
        if (!entry.isTest())
            continue;
        if (entry.batch() == typed_.batch) {
            known.reset(); // typed as the log has it
            break;
        }
        if (!known && sameBatchName(entry.batch(), typed_.batch))
            known = entry.batch();
    }
    if (known)
        typed_.batch = std::string(*known);
    BreakTestEntry entry = readBreakTestEntry(typed_, shownUnit_, shownThickness_);
    test_ = std::move(entry.test);
    if (!test_)
        return std::move(entry.refusal);
    return std::nullopt;
}

FileResult BatchLogModel::change(const BatchLogChange& change, StoredFile& file,
                                 std::string_view goneBatch, int goneType) {
    batchRowsChanged_ = {};
    const BatchLogChanged changed = changeBatchLog(entries_, change, file, shownThickness_);
    reread_ = changed.reread;
    if (changed.reread) {
        changing_ = -1;
        summaries_ = BatchSummaries(entries_, shownThickness_);
    } else if (changed.result.done() && change.record && change.test) {
        // A test changed in place may move to another batch: every summary is made again.
        summaries_ = BatchSummaries(entries_, shownThickness_);
        batchRowsChanged_.last = batchesRows() - 1;
    } else if (changed.result.done()) {
        touched(change.test ? summaries_.added(entries_, changed.index, shownThickness_)
                            : summaries_.removed(entries_, changed.index, goneBatch, goneType,
                                                 shownThickness_));
    }
    const bool torqueOnlyBefore = !torqueOnly_.empty();
    matchTorqueTests();
    // The rows of batches with torque tests only come last: they move with any row before them.
    if (changed.result.done() && (torqueOnlyBefore || !torqueOnly_.empty()))
        batchRowsChanged_.last = batchesRows() - 1;
    return changed.result;
}

void BatchLogModel::touched(const BatchSummaries::Touched& touched) {
    const auto row = [](std::size_t summary) { return static_cast<int>(summary) + 1; };
    if (touched.removed != BatchSummaries::npos)
        batchRowsChanged_.removed = row(touched.removed);
    batchRowsChanged_.first = row(touched.first);
    batchRowsChanged_.last = row(touched.end) - 1;
}

FileResult BatchLogModel::addTypedTest(StoredFile& file) {
    reread_ = false;
    if (!test_)
        return FileResult::failure("there is no test to add");
    FileResult result = change({std::nullopt, *test_}, file);
    if (!result.done())
        return result;
    test_.reset();
    changing_ = -1;
    status_.clear();
    // The next test of the series: the same batch, date and motor, its own results.
    for (std::string* box : {&typed_.turns, &typed_.torque, &typed_.weight, &typed_.note})
        box->clear();
    return result;
}

bool BatchLogModel::selectTest(int row) {
    changing_ = -1;
    if (row <= 0 || static_cast<std::size_t>(row) > entries_.size())
        return false;
    const std::optional<BreakTest> test = entries_[static_cast<std::size_t>(row - 1)].test();
    if (!test)
        return false;
    changing_ = row;
    // Numbers as they are kept, so that a Change of another box leaves them as they were.
    const auto optional = [](const std::optional<double>& value) {
        return value ? formatShortest(*value) : std::string();
    };
    typed_ = {test->batch,
              test->date,
              test->type,
              test->width,
              formatInt(test->strands),
              formatLengthInput(test->length, shownUnit_),
              formatInt(test->turns),
              optional(test->torque),
              optional(test->weight),
              test->note};
    test_.reset();
    return true;
}

FileResult BatchLogModel::changeTypedTest(StoredFile& file) {
    reread_ = false;
    if (!test_ || changing_ <= 0)
        return FileResult::failure("there is no test to change");
    const auto index = static_cast<std::size_t>(changing_ - 1);
    FileResult result = change({recordName(entries_, index), *test_}, file);
    if (result.done()) {
        test_.reset();
        status_.clear();
    }
    return result;
}

std::optional<std::string> BatchLogModel::deleteQuestion(int row) const {
    if (row <= 0 || static_cast<std::size_t>(row) > entries_.size())
        return std::nullopt;
    const std::optional<BreakTest> test = entries_[static_cast<std::size_t>(row - 1)].test();
    const std::string what =
        test ? "the test of batch " + inQuotes(test->batch) + " of " + test->date + " (" +
                   formatLength(test->length, shownUnit_) +
                   (shownUnit_ == LengthUnit::Millimetre ? " mm, " : " in, ") +
                   testCount(static_cast<std::size_t>(test->turns), "turn") + ")"
             : "the line of kes-batches.csv that could not be read (row " + formatInt(row) + ")";
    return "Delete " + what + " from the Batch Log?\n\nIt is removed from kes-batches.csv at once.";
}

FileResult BatchLogModel::deleteTest(int row, StoredFile& file) {
    reread_ = false;
    if (row <= 0 || static_cast<std::size_t>(row) > entries_.size())
        return FileResult::failure("there is no such test");
    // Named by its record as read, so that the same test goes if another program moved it.
    const auto index = static_cast<std::size_t>(row - 1);
    const std::string batch(entries_[index].batch());
    FileResult result =
        change({recordName(entries_, index), std::nullopt}, file, batch, entries_[index].type());
    if (result.done()) {
        changing_ = -1;
        status_.clear();
    }
    return result;
}

std::string BatchLogModel::copyText(Table table, std::span<const int> rows) const {
    const bool tests = table == Table::Tests;
    const int count = tests ? testsRows() : batchesRows();
    const auto line = [&](int row) { return (tests ? testsRow(row) : batchesRow(row)) + "\n"; };
    std::string text = line(0);
    bool any = false;
    for (const int row : rows) {
        if (row > 0 && row < count) {
            text += line(row);
            any = true;
        }
    }
    for (int row = 1; !any && row < count; ++row)
        text += line(row);
    return text;
}

std::optional<BatchSummary> BatchLogModel::summaryAt(int row) const {
    if (row <= 0 || row >= batchesRows())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(row - 1);
    if (index >= summaries_.size()) {
        const TorqueSummary& torque = torque_[torqueOnly_[index - summaries_.size()]];
        BatchSummary none;
        none.batch = torque.batch;
        none.type = torque.type;
        return none;
    }
    return summaries_.at(index, entries_);
}

UseOutcome BatchLogModel::use(int row) {
    const std::optional<BatchSummary> summary = summaryAt(row);
    if (!summary)
        return {false, "Choose a batch in \"Batches\" first."};
    // Refused before anything is asked, so that a refusal changes nothing.
    if (!canUseSummary(*summary))
        return {false, batchName(*summary) +
                           " gives no constant Kestrune can compute with. Nothing was changed."};
    useSummary(state_, *summary);
    const auto slot = static_cast<std::size_t>(summary->type);
    preferences_.constantsBatches[slot] =
        ConstantsBatch{summary->batch, state_.table.turns[slot],
                       summary->torque ? std::optional(state_.table.torque[slot]) : std::nullopt};
    status_ = std::string(typeListText(summary->type)) + " now computes with " +
              formatTurnsConstant(summary->turns->mean) +
              (summary->torque ? " and " + formatTorqueConstant(summary->torque->mean)
                               : " and its torque constant as it was") +
              " (batch " + shortName(summary->batch) + ", " + testCount(summary->tests, "test") +
              ")";
    const std::vector<std::string> lost = constantsKesCfgLoses(*summary);
    if (lost.empty())
        return {true, std::nullopt};
    std::string message = batchName(*summary) + " is in use. kes.cfg keeps its " + lost.front();
    for (std::size_t i = 1; i < lost.size(); ++i)
        message += " and its " + lost[i];
    message += ", which read as not calibrated; Kestrune keeps them exactly in kes-prefs.cfg "
               "whenever it writes kes.cfg, and starts with those.";
    return {true, std::move(message)};
}

std::optional<std::string> BatchLogModel::useDensity(int row) {
    const std::optional<BatchSummary> summary = summaryAt(row);
    if (!summary)
        return "Choose a batch in \"Batches\" first.";
    if (!summary->density || !preferences_.setDensity(summary->density->mean))
        return batchName(*summary) + " has no test with a weight, so it gives no density. Enter "
                                     "each test motor's weight in \"Weight (g)\".";
    status_ = "Motor Weight now computes with " + formatDensity(summary->density->mean) +
              " g/cm³ (batch " + shortName(summary->batch) + ", " +
              testCount(summary->density->count, "weighed test") + ")";
    return std::nullopt;
}

} // namespace kestrune
