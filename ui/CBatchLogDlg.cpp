// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CBatchLogDlg.h"

#include "batches/batch_rows.h"
#include "batches/break_test_entry.h"
#include "core/iso_date.h"
#include "core/number_text.h"
#include "core/preferences.h"
#include "files/start_directory.h"
#include "settings/settings_file.h"
#include "ui/file_reports.h"
#include "ui/help_contexts.h"
#include "ui/input_lists.h"
#include "ui/messages.h"
#include "ui/resources/dialog_templates.h"

#include <string>

namespace kestrune {

using namespace platform;

namespace {

// Columns in dialog units, wide enough for their headers, so they scale with the font.
constexpr std::array<int, 11> kTestColumns{54, 100, 164, 188, 220, 268, 296, 356, 402, 466, 528};
constexpr std::array<int, 11> kBatchColumns{54, 118, 142, 202, 242, 270, 306, 368, 408, 436, 472};

constexpr const char* kLogUnread =
    "The Batch Log shows no tests. Kestrune leaves the file as it is "
    "and asks before it replaces it.";
constexpr const char* kLogKept = "The Batch Log and the file are as they were.";

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

std::string batchName(const BatchSummary& summary) {
    return "Batch " + inQuotes(summary.batch) + " (" + std::string(typeListText(summary.type)) +
           ")";
}

} // namespace

const std::array<EventEntry<CBatchLogDlg>, 8> CBatchLogDlg::kEvents{{
    {IDC_ADD, BN_CLICKED, &CBatchLogDlg::OnAddClicked},
    {IDC_TESTS, LBN_SELCHANGE, &CBatchLogDlg::OnTableSelChange},
    {IDC_TESTS, LBN_DELETEKEY, &CBatchLogDlg::OnDeleteClicked},
    {IDC_DELETE, BN_CLICKED, &CBatchLogDlg::OnDeleteClicked},
    {IDC_HELP, BN_CLICKED, &CBatchLogDlg::OnHelpClicked},
    {IDC_BATCHES, LBN_SELCHANGE, &CBatchLogDlg::OnTableSelChange},
    {IDC_USE, BN_CLICKED, &CBatchLogDlg::OnUseClicked},
    {IDC_USE_DENSITY, BN_CLICKED, &CBatchLogDlg::OnUseDensityClicked},
}};

CBatchLogDlg::CBatchLogDlg()
    : CPropertyPage(dialogTemplate(IDD_BATCH_LOG)), logFile_(programFilePath(kBatchLogFileName)) {
    SetHelpContext(kHelpBatchLog);
}

bool CBatchLogDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) ||
           CPropertyPage::OnCommand(controlId, code);
}

bool CBatchLogDlg::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    fillTypeList(GetListBox(IDC_TYPE), startingType(calcState().currentType));
    fillWidthList(GetListBox(IDC_WIDTH));
    GetEdit(IDC_DATE).SetWindowText(todayIsoDate());
    GetEdit(IDC_TEST_STRANDS).SetWindowText("2"); // the two-strand test loop
    GetListBox(IDC_TESTS).SetTabStops(kTestColumns);
    // A long log is kept once, in entries_: its rows are made when they are shown.
    GetListBox(IDC_TESTS).SetRowSource([this](int row) { return testsRow(row); });
    GetListBox(IDC_BATCHES).SetTabStops(kBatchColumns);
    loadLog();
    shown_ = true;
    return true;
}

void CBatchLogDlg::DoDataExchange(CDataExchange& dx) {
    if (!shown_ || dx.saveAndValidate)
        return;
    const Preferences& prefs = preferences();
    if (prefs.units() != shownUnit_)
        convertLength(shownUnit_, prefs.units());
    if (prefs.units() != shownUnit_ || prefs.thickness() != shownThickness_)
        showLog();
}

void CBatchLogDlg::loadLog() {
    // Part of a log is no log to add to: a failed read shows none of it.
    if (loadReported(
            logFile_, [&] { return loadBatchLog(entries_, logFile_); }, kLogUnread)
            .failed())
        entries_ = {};
    showLog();
}

void CBatchLogDlg::showLog() {
    const Preferences& prefs = preferences();
    shownUnit_ = prefs.units();
    shownThickness_ = prefs.thickness();
    ListBox tests = GetListBox(IDC_TESTS);
    tests.ResetContent();
    tests.SetCount(testsRows());
    showBatches();
}

int CBatchLogDlg::testsRows() const {
    return static_cast<int>(entries_.size()) + 1;
}

std::string CBatchLogDlg::testsRow(int row) const {
    if (row == 0)
        return testsHeader(shownUnit_);
    if (row < 0 || row >= testsRows())
        return {};
    return formatTestRow(entries_[static_cast<std::size_t>(row - 1)], shownThickness_, shownUnit_);
}

void CBatchLogDlg::showBatches() {
    summaries_ = summariseBatches(entries_, shownThickness_);
    ListBox batches = GetListBox(IDC_BATCHES);
    batches.ResetContent();
    batches.AddString(batchesHeader());
    for (const BatchSummary& summary : summaries_)
        batches.AddString(formatBatchRow(summary));
}

void CBatchLogDlg::convertLength(LengthUnit from, LengthUnit to) {
    Edit length = GetEdit(IDC_LENGTH);
    if (const std::optional<double> value = readCompleteNumber(length.GetWindowText()))
        length.SetWindowText(formatLength(toInches(*value, from), to));
}

void CBatchLogDlg::OnAddClicked() {
    BreakTestTexts texts;
    texts.batch = GetEdit(IDC_BATCH).GetWindowText();
    texts.date = GetEdit(IDC_DATE).GetWindowText();
    texts.type = GetListBox(IDC_TYPE).GetCurSel();
    texts.width = GetListBox(IDC_WIDTH).GetCurSel();
    texts.strands = GetEdit(IDC_TEST_STRANDS).GetWindowText();
    texts.length = GetEdit(IDC_LENGTH).GetWindowText();
    texts.turns = GetEdit(IDC_TEST_TURNS).GetWindowText();
    texts.torque = GetEdit(IDC_TEST_TORQUE).GetWindowText();
    texts.weight = GetEdit(IDC_TEST_WEIGHT).GetWindowText();
    texts.note = GetEdit(IDC_NOTE).GetWindowText();
    const BreakTestEntry entry = readBreakTestEntry(texts, shownUnit_, shownThickness_);
    if (!entry.test) {
        tell(entry.refusal);
        return;
    }
    if (!saveReported(
            logFile_,
            [&] { return addBreakTest(entries_, *entry.test, logFile_, shownThickness_); },
            "The test was not added; the boxes still hold it."))
        return;
    ListBox tests = GetListBox(IDC_TESTS);
    tests.SetCurSel(tests.SetCount(testsRows()) - 1);
    showBatches();
    // The next test of the series: the same batch, date and motor, its own results.
    for (const int id : {IDC_TEST_TURNS, IDC_TEST_TORQUE, IDC_TEST_WEIGHT, IDC_NOTE})
        GetEdit(id).SetWindowText("");
}

void CBatchLogDlg::OnDeleteClicked() {
    ListBox tests = GetListBox(IDC_TESTS);
    const int row = tests.GetCurSel();
    if (row <= 0 || static_cast<std::size_t>(row) > entries_.size()) // none, or the header row
        return;
    const auto index = static_cast<std::size_t>(row - 1);
    const std::optional<BreakTest> test = entries_[index].test();
    const std::string what =
        test ? "the test of batch " + inQuotes(test->batch) + " of " + test->date
             : "the line of kes-batches.csv that could not be read (row " + formatInt(row) + ")";
    if (!askYesNo("Delete " + what +
                  " from the Batch Log?\n\nIt is removed from kes-batches.csv at once."))
        return;
    if (!saveReported(
            logFile_,
            [&] { return deleteBatchLogEntry(entries_, index, logFile_, shownThickness_); },
            kLogKept))
        return;
    tests.DeleteString(row);
    tests.SetCurSel(-1);
    showBatches();
}

void CBatchLogDlg::OnTableSelChange() {
    for (const int id : {IDC_TESTS, IDC_BATCHES}) {
        ListBox table = GetListBox(id);
        if (table.GetCurSel() == 0) // the header row is no test and no batch
            table.SetCurSel(-1);
    }
}

const BatchSummary* CBatchLogDlg::selectedBatch() {
    const int row = GetListBox(IDC_BATCHES).GetCurSel();
    if (row <= 0 || static_cast<std::size_t>(row) > summaries_.size()) {
        tell("Choose a batch in \"Batches\" first.");
        return nullptr;
    }
    return &summaries_[static_cast<std::size_t>(row - 1)];
}

void CBatchLogDlg::OnUseClicked() {
    const BatchSummary* summary = selectedBatch();
    if (summary == nullptr)
        return;
    // Refused before anything is asked, so that a refusal changes nothing.
    if (!canUseSummary(*summary)) {
        tell(batchName(*summary) + " gives no constant Kestrune can compute with. Nothing was "
                                   "changed.");
        return;
    }
    useSummary(calcState(), *summary);
    if (GetButton(IDC_SAVE_VALUE).GetCheck()) {
        DiskFile file(programFilePath(kSettingsFileName));
        saveReported(
            file, [&] { return saveSettings(calcState(), file); },
            "The batch's constants are in use until Kestrune ends, but they were not kept for "
            "the next start.");
    }
}

void CBatchLogDlg::OnUseDensityClicked() {
    const BatchSummary* summary = selectedBatch();
    if (summary == nullptr)
        return;
    if (!summary->density || !preferences().setDensity(summary->density->mean))
        tell(batchName(*summary) + " has no test with a weight, so it gives no density. Enter "
                                   "each test motor's weight in \"Weight (g)\".");
}

} // namespace kestrune
