// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CListDlg.h"

#include "core/calc_state.h"
#include "files/disk_file.h"
#include "files/start_directory.h"
#include "list/motor_rows.h"
#include "platform/CFileDialog.h"
#include "ui/file_reports.h"
#include "ui/messages.h"
#include "ui/resources/dialog_templates.h"
#include "ui/user_folders.h"

#include <string>
#include <vector>

namespace kestrune {

using namespace platform;

namespace {
constexpr const char* kListFilter = "Motor lists (*.dta)|*.dta|All files (*)|*||";
constexpr const char* kExportFilter = "Text files (*.txt)|*.txt|All files (*)|*||";
constexpr const char* kListKept =
    "The motor list is still on the List page; the file keeps what it held before.";
constexpr const char* kListUnread = "The motor list shows no rows. Kestrune leaves the file as it "
                                    "is and asks before it replaces it.";
} // namespace

const std::array<EventEntry<CListDlg>, 13> CListDlg::kEvents{{
    {IDC_MOTOR_LIST, LBN_SETFOCUS, &CListDlg::OnListBoxSetFocus},
    {IDC_TORQUE_SUMMARY, LBN_SETFOCUS, &CListDlg::OnListBoxSetFocus},
    {IDC_TURNS_SUMMARY, LBN_SETFOCUS, &CListDlg::OnListBoxSetFocus},
    {IDC_ADD, BN_CLICKED, &CListDlg::OnAddTurnsClicked},
    {IDC_ADDD, BN_CLICKED, &CListDlg::OnAddTorqueClicked},
    {IDC_HELP, BN_CLICKED, &CListDlg::OnHelpClicked},
    {IDC_DELETE, BN_CLICKED, &CListDlg::OnDeleteClicked},
    {IDC_PRINT, BN_CLICKED, &CListDlg::OnPrintClicked},
    {IDC_SAVE, BN_CLICKED, &CListDlg::OnSaveClicked},
    {IDC_SAVEAS, BN_CLICKED, &CListDlg::OnSaveAsClicked},
    {IDC_LOAD, BN_CLICKED, &CListDlg::OnLoadClicked},
    {IDC_MOTOR_LIST, LBN_SELCHANGE, &CListDlg::OnMotorListSelChange},
    {IDC_MOTOR_LIST, LBN_DELETEKEY, &CListDlg::OnDeleteClicked},
}};

CListDlg::CListDlg() : CPropertyPage(dialogTemplate(IDD_LIST)) {}

bool CListDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) ||
           CPropertyPage::OnCommand(controlId, code);
}

bool CListDlg::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    refreshSummaries();
    loadMotorList(defaultListFile(startDirectory()));
    return true;
}

void CListDlg::DoDataExchange(CDataExchange&) {
    refreshSummaries();
}

void CListDlg::refreshSummaries() {
    const CalcState& state = calcState();
    ListBox turns = GetListBox(IDC_TURNS_SUMMARY);
    turns.ResetContent();
    for (const std::string& line : formatTurnsSummary(state.turnsMotor))
        turns.AddString(line);
    ListBox torque = GetListBox(IDC_TORQUE_SUMMARY);
    torque.ResetContent();
    for (const std::string& line : formatTorqueSummary(state.torqueMotor))
        torque.AddString(line);
}

MotorListView CListDlg::motorListView() {
    ListBox list = GetListBox(IDC_MOTOR_LIST);
    return {static_cast<std::size_t>(list.GetCount()),
            [list](std::size_t row) { return list.GetText(static_cast<int>(row)); }};
}

void CListDlg::showLoadedRows() {
    ListBox list = GetListBox(IDC_MOTOR_LIST);
    list.ResetContent();
    list.AddString(kHeaderRow);
    // Each row leaves the buffer as it enters the list, so a long list is not held twice.
    std::vector<std::string>& rows = motorListBuffer().rows;
    for (std::string& row : rows) {
        list.AddString(row);
        row = std::string();
    }
    rows = {};
}

void CListDlg::loadMotorList(const ListFileLocation& location) {
    DiskFile file(location.path());
    const FileResult result = loadReported(
        file,
        [&] {
            FileResult read =
                kestrune::loadMotorList(motorListBuffer(), currentListFile(), location, file);
            showLoadedRows();
            return read;
        },
        kListUnread);
    // The memory left may hold only part of the list: a failed load shows none of it.
    if (result.failed()) {
        motorListBuffer().rows = {};
        showLoadedRows();
    }
    modified_ = false;
}

void CListDlg::OnListBoxSetFocus() {}

void CListDlg::OnAddTurnsClicked() {
    GetListBox(IDC_MOTOR_LIST).AddString(formatTurnsRow(calcState().turnsMotor));
    modified_ = true;
}

void CListDlg::OnAddTorqueClicked() {
    GetListBox(IDC_MOTOR_LIST).AddString(formatTorqueRow(calcState().torqueMotor));
    modified_ = true;
}

void CListDlg::OnDeleteClicked() {
    ListBox list = GetListBox(IDC_MOTOR_LIST);
    const int selected = list.GetCurSel();
    if (selected <= 0) // nothing selected, or the header row, which stays
        return;
    list.DeleteString(selected);
    list.SetCurSel(-1);
    modified_ = true;
}

void CListDlg::OnMotorListSelChange() {
    ListBox list = GetListBox(IDC_MOTOR_LIST);
    if (list.GetCurSel() == 0)
        list.SetCurSel(-1);
}

bool CListDlg::saveList() {
    DiskFile file(currentListFile().path());
    const bool saved = saveReported(
        file, [&] { return saveMotorList(motorListBuffer(), motorListView(), file); }, kListKept);
    modified_ = modified_ && !saved;
    return saved;
}

bool CListDlg::offerToSaveChanges() {
    if (!modified_)
        return true;
    const std::string question = "The motor list has changes that are not saved. Save them to " +
                                 currentListFile().name + "?";
    switch (askSaveDiscardCancel(question)) {
    case SaveChoice::Save:
        return saveList();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        return false;
    }
    return false;
}

void CListDlg::OnSaveClicked() {
    saveList();
}

void CListDlg::OnSaveAsClicked() {
    CFileDialog dialog(false, "dta", "*.dta", OFN_OVERWRITEPROMPT, kListFilter, this,
                       currentListFile().folder);
    if (dialog.DoModal() != IDOK)
        return;
    const ListFileLocation location = chosenListFile(dialog.GetPathName());
    DiskFile file(location.path());
    const bool saved = saveReported(
        file,
        [&] {
            return saveMotorListAs(motorListBuffer(), motorListView(), currentListFile(), location,
                                   file);
        },
        kListKept, Replacing::AlreadyConfirmed);
    modified_ = modified_ && !saved;
}

void CListDlg::OnLoadClicked() {
    if (!offerToSaveChanges())
        return;
    CFileDialog dialog(true, "dta", "*.dta", 0, kListFilter, this, currentListFile().folder);
    if (dialog.DoModal() != IDOK)
        return;
    loadMotorList(chosenListFile(dialog.GetPathName()));
}

void CListDlg::OnPrintClicked() {
    CFileDialog dialog(false, "txt", "*.txt", OFN_OVERWRITEPROMPT, kExportFilter, this,
                       documentsFolder());
    if (dialog.DoModal() != IDOK)
        return;
    DiskFile file(chosenExportFile(dialog.GetPathName()));
    saveReported(
        file, [&] { return exportMotorList(motorListBuffer(), motorListView(), file); },
        "The motor list is still on the List page.", Replacing::AlreadyConfirmed);
}

} // namespace kestrune
