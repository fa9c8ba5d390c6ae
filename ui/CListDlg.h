// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The List page: the last turns and torque motors as summaries, the motor list, and its files.

#include "models/list_page_model.h"
#include "platform/CPropertyPage.h"

#include <array>

namespace kestrune {

class CListDlg : public platform::CPropertyPage {
public:
    CListDlg();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnCommand(int controlId, platform::Notification code) override;
    // Closing the sheet, whichever way, first offers to save a changed list.
    bool OnApply() override { return offerToSaveChanges(); }
    bool OnQueryCancel() override { return offerToSaveChanges(); }

private:
    void OnListBoxSetFocus() {}
    void OnHelpClicked() { OnHelpInfo(); }
    void OnAddTurnsClicked();
    void OnAddTorqueClicked();
    void OnDeleteClicked();
    void OnPrintClicked();
    void OnSaveClicked() { saveList(); }
    void OnSaveAsClicked();
    void OnLoadClicked();
    void OnMotorListSelChange();

    // Both summary boxes from the last turns and torque motors.
    void showSummaries();
    // The list box lends its rows to the file operations.
    MotorListView motorListView();
    void loadMotorList(const ListFileLocation& location);
    // Header row first, then the rows read.
    void showLoadedRows();
    // Save: true when the list is in its file.
    bool saveList();
    // Before the list is dropped (the sheet closes, or Load replaces it): a list with changes
    // not saved is offered for saving. True to go on, false to stay where the user was.
    bool offerToSaveChanges();

    ListPageModel model_;

    static const std::array<platform::EventEntry<CListDlg>, 13> kEvents;
};

} // namespace kestrune
