// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CListDlg.h"

#include "files/disk_file.h"
#include "files/start_directory.h"
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

CListDlg::CListDlg()
    : CPropertyPage(dialogTemplate(IDD_LIST)),
      model_(calcState(), motorListBuffer(), currentListFile()) {}

bool CListDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) ||
           CPropertyPage::OnCommand(controlId, code);
}

bool CListDlg::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    showSummaries();
    loadMotorList(defaultListFile(startDirectory()));
    return true;
}

void CListDlg::DoDataExchange(CDataExchange&) {
    showSummaries();
}

void CListDlg::showSummaries() {
    ListBox turns = GetListBox(IDC_TURNS_SUMMARY);
    turns.ResetContent();
    for (const std::string& line : model_.turnsSummary())
        turns.AddString(line);
    ListBox torque = GetListBox(IDC_TORQUE_SUMMARY);
    torque.ResetContent();
    for (const std::string& line : model_.torqueSummary())
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
    std::vector<std::string> rows = model_.takeLoadedRows();
    for (std::string& row : rows) {
        list.AddString(row);
        row = std::string();
    }
}

void CListDlg::loadMotorList(const ListFileLocation& location) {
    DiskFile file(location.path());
    const FileResult result = loadReported(
        file,
        [&] {
            FileResult read = model_.load(location, file);
            showLoadedRows();
            return read;
        },
        kListUnread);
    // The memory left may hold only part of the list: a failed load shows none of it.
    if (result.failed()) {
        model_.takeLoadedRows();
        showLoadedRows();
    }
}

void CListDlg::OnAddTurnsClicked() {
    GetListBox(IDC_MOTOR_LIST).AddString(model_.addTurnsRow());
}

void CListDlg::OnAddTorqueClicked() {
    GetListBox(IDC_MOTOR_LIST).AddString(model_.addTorqueRow());
}

void CListDlg::OnDeleteClicked() {
    ListBox list = GetListBox(IDC_MOTOR_LIST);
    const int selected = list.GetCurSel();
    if (!model_.deleteRow(selected))
        return;
    list.DeleteString(selected);
    list.SetCurSel(-1);
}

void CListDlg::OnMotorListSelChange() {
    ListBox list = GetListBox(IDC_MOTOR_LIST);
    if (list.GetCurSel() == 0) // the header row is no motor
        list.SetCurSel(-1);
}

bool CListDlg::saveList() {
    DiskFile file(model_.currentFile().path());
    return saveReported(
        file, [&] { return model_.save(motorListView(), file); }, kListKept);
}

bool CListDlg::offerToSaveChanges() {
    const std::optional<std::string> question = model_.saveQuestion();
    if (!question)
        return true;
    switch (askSaveDiscardCancel(*question)) {
    case SaveChoice::Save:
        return saveList();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        return false;
    }
    return false;
}

void CListDlg::OnSaveAsClicked() {
    CFileDialog dialog(false, "dta", "*.dta", OFN_OVERWRITEPROMPT, kListFilter, this,
                       model_.currentFile().folder);
    if (dialog.DoModal() != IDOK)
        return;
    const ListFileLocation location = chosenListFile(dialog.GetPathName());
    DiskFile file(location.path());
    saveReported(
        file, [&] { return model_.saveAs(motorListView(), location, file); }, kListKept,
        Replacing::AlreadyConfirmed);
}

void CListDlg::OnLoadClicked() {
    if (!offerToSaveChanges())
        return;
    CFileDialog dialog(true, "dta", "*.dta", 0, kListFilter, this, model_.currentFile().folder);
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
        file, [&] { return model_.exportList(motorListView(), file); },
        "The motor list is still on the List page.", Replacing::AlreadyConfirmed);
}

} // namespace kestrune
