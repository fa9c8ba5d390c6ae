// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CBatchLogDlg.h"

#include "batches/batch_log_file.h"
#include "files/start_directory.h"
#include "ui/file_reports.h"
#include "ui/help_contexts.h"
#include "ui/input_lists.h"
#include "ui/messages.h"
#include "ui/resources/dialog_templates.h"
#include "ui/save_constants.h"

#include <algorithm>
#include <string>
#include <utility>

namespace kestrune {

using namespace platform;

namespace {
// Columns in dialog units, wide enough for their headers, so they scale with the font.
constexpr std::array<int, 11> kTestColumns{54, 100, 164, 188, 220, 268, 296, 356, 402, 466, 528};
constexpr std::array<int, 11> kBatchColumns{54, 118, 142, 202, 242, 270, 306, 368, 408, 436, 472};
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
    : CPropertyPage(dialogTemplate(IDD_BATCH_LOG)), logFile_(programFilePath(kBatchLogFileName)),
      model_(calcState(), preferences()) {
    SetHelpContext(kHelpBatchLog);
}

bool CBatchLogDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) ||
           CPropertyPage::OnCommand(controlId, code);
}

bool CBatchLogDlg::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    fillTypeList(GetListBox(IDC_TYPE), model_.start().type);
    fillWidthList(GetListBox(IDC_WIDTH));
    showTyped();
    GetListBox(IDC_TESTS).SetTabStops(kTestColumns);
    // A long log is kept once, in the model: its rows are made when they are shown.
    GetListBox(IDC_TESTS).SetRowSource([this](int row) { return model_.testsRow(row); });
    GetListBox(IDC_BATCHES).SetTabStops(kBatchColumns);
    GetListBox(IDC_BATCHES).SetRowSource([this](int row) { return model_.batchesRow(row); });
    loadReported(
        logFile_, [&] { return model_.load(logFile_); }, BatchLogModel::kLogUnread,
        BatchLogModel::kReplacingErases);
    showTables();
    shown_ = true;
    return true;
}

void CBatchLogDlg::DoDataExchange(CDataExchange& dx) {
    if (!shown_ || dx.saveAndValidate)
        return;
    Edit length = GetEdit(IDC_LENGTH);
    const bool tablesChanged = model_.showAgain(length.GetWindowText());
    length.ShowText(model_.typed().length);
    if (tablesChanged)
        showTables();
}

void CBatchLogDlg::showTables() {
    ListBox tests = GetListBox(IDC_TESTS);
    tests.ResetContent();
    tests.SetCount(model_.testsRows());
    showBatches();
}

void CBatchLogDlg::showBatches() {
    ListBox batches = GetListBox(IDC_BATCHES);
    batches.ResetContent();
    batches.SetCount(model_.batchesRows());
}

void CBatchLogDlg::showBatchesChanged() {
    ListBox batches = GetListBox(IDC_BATCHES);
    const BatchLogModel::BatchRowsChange& changed = model_.batchRowsChanged();
    batches.SetCurSel(-1);
    if (changed.removed >= 0)
        batches.DeleteString(changed.removed);
    const int kept = batches.GetCount();
    batches.SetCount(model_.batchesRows());
    if (changed.first < kept)
        batches.RefreshRows(changed.first, std::min(changed.last, kept - 1));
}

void CBatchLogDlg::showTyped() {
    const BreakTestTexts& typed = model_.typed();
    for (const auto& [id, text] : {std::pair{IDC_BATCH, &typed.batch},
                                   {IDC_DATE, &typed.date},
                                   {IDC_TEST_STRANDS, &typed.strands},
                                   {IDC_LENGTH, &typed.length},
                                   {IDC_TEST_TURNS, &typed.turns},
                                   {IDC_TEST_TORQUE, &typed.torque},
                                   {IDC_TEST_WEIGHT, &typed.weight},
                                   {IDC_NOTE, &typed.note}})
        GetEdit(id).ShowText(*text);
}

void CBatchLogDlg::OnAddClicked() {
    const auto text = [this](int id) { return GetEdit(id).GetWindowText(); };
    const auto selected = [this](int id) { return GetListBox(id).GetCurSel(); };
    if (const auto refusal = model_.typeTest(
            {text(IDC_BATCH), text(IDC_DATE), selected(IDC_TYPE), selected(IDC_WIDTH),
             text(IDC_TEST_STRANDS), text(IDC_LENGTH), text(IDC_TEST_TURNS), text(IDC_TEST_TORQUE),
             text(IDC_TEST_WEIGHT), text(IDC_NOTE)})) {
        tell(*refusal);
        return;
    }
    const bool added = saveReported(
        logFile_, [&] { return model_.addTypedTest(logFile_); }, BatchLogModel::kTestNotAdded);
    if (model_.reread())
        showTables();
    if (!added)
        return;
    ListBox tests = GetListBox(IDC_TESTS);
    tests.SetCurSel(tests.SetCount(model_.testsRows()) - 1);
    showBatchesChanged();
    showTyped();
}

void CBatchLogDlg::OnDeleteClicked() {
    ListBox tests = GetListBox(IDC_TESTS);
    const int row = tests.GetCurSel();
    const std::optional<std::string> question = model_.deleteQuestion(row);
    if (!question || !askYesNo(*question))
        return;
    const bool deleted = saveReported(
        logFile_, [&] { return model_.deleteTest(row, logFile_); }, BatchLogModel::kLogKept);
    if (model_.reread()) {
        showTables();
        return;
    }
    if (!deleted)
        return;
    tests.DeleteString(row);
    tests.SetCurSel(-1);
    showBatchesChanged();
}

void CBatchLogDlg::OnTableSelChange() {
    for (const int id : {IDC_TESTS, IDC_BATCHES}) {
        ListBox table = GetListBox(id);
        if (BatchLogModel::isHeaderRow(table.GetCurSel()))
            table.SetCurSel(-1);
    }
}

void CBatchLogDlg::OnUseClicked() {
    const UseOutcome used = model_.use(GetListBox(IDC_BATCHES).GetCurSel());
    if (used.applied && GetButton(IDC_SAVE_VALUE).GetCheck())
        saveConstantsReported(BatchLogModel::kConstantsNotKept);
    if (used.message)
        tell(*used.message);
}

void CBatchLogDlg::OnUseDensityClicked() {
    if (const auto refusal = model_.useDensity(GetListBox(IDC_BATCHES).GetCurSel()))
        tell(*refusal);
}

} // namespace kestrune
