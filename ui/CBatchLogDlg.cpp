// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CBatchLogDlg.h"

#include "batches/batch_log_file.h"
#include "batches/torque_log_file.h"
#include "core/iso_date.h"
#include "files/start_directory.h"
#include "platform/seams.h"
#include "ui/file_reports.h"
#include "ui/help_contexts.h"
#include "ui/input_lists.h"
#include "ui/messages.h"
#include "ui/resources/dialog_templates.h"
#include "ui/save_constants.h"

#include <algorithm>
#include <span>
#include <string>
#include <utility>

namespace kestrune {

using namespace platform;

namespace {
// Columns in dialog units, wide enough for their headers, so they scale with the font.
// The first five of each (batch, type, turns or tests, the constants) fit the table's width at the
// page's size.
constexpr std::array<int, 11> kTestColumns{58, 120, 144, 198, 252, 298, 322, 352, 398, 456, 504};
constexpr std::array<int, 15> kBatchColumns{58,  120, 144, 198, 252, 310, 366, 412,
                                            464, 528, 580, 634, 688, 730, 780};
} // namespace

const std::array<EventEntry<CBatchLogDlg>, 13> CBatchLogDlg::kEvents{{
    {IDC_ADD, BN_CLICKED, &CBatchLogDlg::OnAddClicked},
    {IDC_CHANGE, BN_CLICKED, &CBatchLogDlg::OnChangeClicked},
    {IDC_TESTS, LBN_SELCHANGE, &CBatchLogDlg::OnTestsSelChange},
    {IDC_TESTS, LBN_DELETEKEY, &CBatchLogDlg::OnDeleteClicked},
    {IDC_TESTS, LBN_COPYKEY, &CBatchLogDlg::OnCopyTestsClicked},
    {IDC_DELETE, BN_CLICKED, &CBatchLogDlg::OnDeleteClicked},
    {IDC_COPY_TESTS, BN_CLICKED, &CBatchLogDlg::OnCopyTestsClicked},
    {IDC_HELP, BN_CLICKED, &CBatchLogDlg::OnHelpClicked},
    {IDC_BATCHES, LBN_SELCHANGE, &CBatchLogDlg::OnTableSelChange},
    {IDC_BATCHES, LBN_COPYKEY, &CBatchLogDlg::OnCopyBatchesClicked},
    {IDC_USE, BN_CLICKED, &CBatchLogDlg::OnUseClicked},
    {IDC_USE_DENSITY, BN_CLICKED, &CBatchLogDlg::OnUseDensityClicked},
    {IDC_COPY_BATCHES, BN_CLICKED, &CBatchLogDlg::OnCopyBatchesClicked},
}};

CBatchLogDlg::CBatchLogDlg()
    : CPropertyPage(dialogTemplate(IDD_BATCH_LOG)), logFile_(programFilePath(kBatchLogFileName)),
      torqueFile_(programFilePath(kTorqueLogFileName)), model_(calcState(), preferences()) {
    SetHelpContext(kHelpBatchLog);
}

bool CBatchLogDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) ||
           CPropertyPage::OnCommand(controlId, code);
}

EnterKey CBatchLogDlg::OnEnterKey(int controlId) {
    switch (controlId) {
    case IDC_TESTS:
    case IDC_BATCHES:
    case IDC_SAVE_VALUE:
    case -1:
        return EnterKey::nothing();
    default:
        return EnterKey::press(model_.changingRow() > 0 ? IDC_CHANGE : IDC_ADD);
    }
}

bool CBatchLogDlg::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    fillTypeList(GetListBox(IDC_TYPE), model_.start(todayIsoDate()).type);
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
    // Told on the Torque Test page, whose file it is.
    (void)model_.loadTorqueTests(torqueFile_);
    showTables();
    showBatchNames();
    showState();
    shown_ = true;
    return true;
}

void CBatchLogDlg::DoDataExchange(CDataExchange& dx) {
    if (!shown_ || dx.saveAndValidate)
        return;
    Edit length = GetEdit(IDC_LENGTH);
    const bool tablesChanged = model_.showAgain(length.GetWindowText());
    const bool torqueChanged = torqueFile_.changedSinceSeen();
    if (torqueChanged)
        (void)model_.loadTorqueTests(torqueFile_);
    length.ShowText(model_.typed().length);
    if (tablesChanged) {
        showTables();
        showState();
    } else if (torqueChanged) {
        showBatches();
    }
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
    GetComboBox(IDC_BATCH).SetWindowText(typed.batch);
    GetListBox(IDC_TYPE).SetCurSel(typed.type);
    GetListBox(IDC_WIDTH).SetCurSel(typed.width);
    for (const auto& [id, text] : {std::pair{IDC_DATE, &typed.date},
                                   {IDC_TEST_STRANDS, &typed.strands},
                                   {IDC_LENGTH, &typed.length},
                                   {IDC_TEST_TURNS, &typed.turns},
                                   {IDC_TEST_TORQUE, &typed.torque},
                                   {IDC_TEST_WEIGHT, &typed.weight},
                                   {IDC_NOTE, &typed.note}})
        GetEdit(id).ShowText(*text);
}

void CBatchLogDlg::showBatchNames() {
    ComboBox batch = GetComboBox(IDC_BATCH);
    const std::string typed = batch.GetWindowText();
    batch.ResetContent();
    for (const std::string& name : model_.batchNames())
        batch.AddString(name);
    batch.SetWindowText(typed);
}

void CBatchLogDlg::showState() {
    GetButton(IDC_CHANGE).EnableWindow(model_.changingRow() > 0);
    SetDlgItemText(IDC_USE_STATUS, model_.status());
}

BreakTestTexts CBatchLogDlg::boxes() {
    const auto text = [this](int id) { return GetEdit(id).GetWindowText(); };
    const auto selected = [this](int id) { return GetListBox(id).GetCurSel(); };
    return {GetComboBox(IDC_BATCH).GetWindowText(),
            text(IDC_DATE),
            selected(IDC_TYPE),
            selected(IDC_WIDTH),
            text(IDC_TEST_STRANDS),
            text(IDC_LENGTH),
            text(IDC_TEST_TURNS),
            text(IDC_TEST_TORQUE),
            text(IDC_TEST_WEIGHT),
            text(IDC_NOTE)};
}

bool CBatchLogDlg::keepBoxes() {
    model_.keepBoxes(boxes());
    return true;
}

bool CBatchLogDlg::typeTest() {
    if (const auto refusal = model_.typeTest(boxes())) {
        tell(*refusal);
        return false;
    }
    return true;
}

void CBatchLogDlg::OnAddClicked() {
    if (!typeTest())
        return;
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
    showBatchNames();
    showState();
}

void CBatchLogDlg::OnChangeClicked() {
    const int row = model_.changingRow();
    if (row <= 0 || !typeTest())
        return;
    const bool changed = saveReported(
        logFile_, [&] { return model_.changeTypedTest(logFile_); }, BatchLogModel::kTestNotChanged);
    if (model_.reread())
        showTables();
    if (changed) {
        GetListBox(IDC_TESTS).RefreshRows(row, row);
        showBatchesChanged();
        showTyped();
        showBatchNames();
    }
    showState();
}

void CBatchLogDlg::copy(BatchLogModel::Table table, int id) {
    const int selected = GetListBox(id).GetCurSel();
    SetClipboardText(
        model_.copyText(table, selected > 0 ? std::span(&selected, 1) : std::span<const int>()));
}

void CBatchLogDlg::OnCopyTestsClicked() {
    copy(BatchLogModel::Table::Tests, IDC_TESTS);
}

void CBatchLogDlg::OnCopyBatchesClicked() {
    copy(BatchLogModel::Table::Batches, IDC_BATCHES);
}

void CBatchLogDlg::OnDeleteClicked() {
    ListBox tests = GetListBox(IDC_TESTS);
    const int row = tests.GetCurSel();
    const std::optional<std::string> question = model_.deleteQuestion(row);
    if (!question || !askYesNo(*question))
        return;
    const bool deleted = saveReported(
        logFile_, [&] { return model_.deleteTest(row, logFile_); }, BatchLogModel::kLogKept);
    if (model_.reread())
        showTables();
    else if (deleted) {
        tests.DeleteString(row);
        tests.SetCurSel(-1);
        showBatchesChanged();
    }
    if (deleted || model_.reread())
        showBatchNames();
    showState();
}

void CBatchLogDlg::OnTableSelChange() {
    for (const int id : {IDC_TESTS, IDC_BATCHES}) {
        ListBox table = GetListBox(id);
        if (BatchLogModel::isHeaderRow(table.GetCurSel()))
            table.SetCurSel(-1);
    }
}

void CBatchLogDlg::OnTestsSelChange() {
    OnTableSelChange();
    if (model_.selectTest(GetListBox(IDC_TESTS).GetCurSel()))
        showTyped();
    showState();
}

void CBatchLogDlg::OnUseClicked() {
    const UseOutcome used = model_.use(GetListBox(IDC_BATCHES).GetCurSel());
    showState();
    if (used.applied && GetButton(IDC_SAVE_VALUE).GetCheck())
        saveConstantsReported(BatchLogModel::kConstantsNotKept);
    if (used.message)
        tell(*used.message);
}

void CBatchLogDlg::OnUseDensityClicked() {
    const auto refusal = model_.useDensity(GetListBox(IDC_BATCHES).GetCurSel());
    showState();
    if (refusal)
        tell(*refusal);
}

} // namespace kestrune
