// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Batch Log page: every break test kept in kes-batches.csv, each batch's own constants, and
// "Use" to apply them as a calibration does. Its model holds the log and every text it shows.

#include "files/disk_file.h"
#include "models/batch_log_model.h"
#include "platform/CPropertyPage.h"

#include <array>

namespace kestrune {

class CBatchLogDlg : public platform::CPropertyPage {
public:
    CBatchLogDlg();

protected:
    bool OnInitDialog() override;
    // Shown again, the tables follow the units and strip thickness the other pages chose.
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnCommand(int controlId, platform::Notification code) override;
    // Enter in a box of the test adds it, or changes the test being changed.
    platform::EnterKey OnEnterKey(int controlId) override;
    // However the sheet ends, the boxes are kept for the next run.
    bool OnApply() override { return keepBoxes(); }
    bool OnQueryCancel() override { return keepBoxes(); }

private:
    void OnAddClicked();
    void OnChangeClicked();
    void OnCopyTestsClicked();
    void OnCopyBatchesClicked();
    void OnDeleteClicked();
    void OnHelpClicked() { OnHelpInfo(); }
    void OnUseClicked();
    void OnUseDensityClicked();
    void OnTableSelChange();
    void OnTestsSelChange();

    // Both tables again, from the model; or Batches after the model's Add or Delete.
    void showTables();
    void showBatches();
    void showBatchesChanged();
    // The boxes of the test as the model has them, the Batch list with the log's names.
    void showTyped();
    void showBatchNames();
    // Change, the line of what Use did: as the model has them.
    void showState();
    BreakTestTexts boxes();
    bool keepBoxes();
    // The boxes as they stand, to the model; true when they give a test.
    bool typeTest();
    void copy(BatchLogModel::Table table, int id);

    DiskFile logFile_;
    DiskFile torqueFile_; // kes-torque.csv, read again when the Torque Test page changed it
    BatchLogModel model_;
    bool shown_ = false;

    static const std::array<platform::EventEntry<CBatchLogDlg>, 13> kEvents;
};

} // namespace kestrune
