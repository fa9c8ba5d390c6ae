// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Batch Log page: every break test kept in kes-batches.csv, each batch's own constants, and
// "Use" to apply them as a calibration does.

#include "batches/batch_log_file.h"
#include "batches/batch_summary.h"
#include "core/units.h"
#include "files/disk_file.h"
#include "platform/CPropertyPage.h"

#include <array>
#include <string>
#include <vector>

namespace kestrune {

class CBatchLogDlg : public platform::CPropertyPage {
public:
    CBatchLogDlg();

protected:
    bool OnInitDialog() override;
    // Shown again, the tables follow the units and strip thickness the other pages chose.
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnCommand(int controlId, platform::Notification code) override;

private:
    void OnAddClicked();
    void OnDeleteClicked();
    void OnHelpClicked() { OnHelpInfo(); }
    void OnUseClicked();
    void OnUseDensityClicked();
    void OnTableSelChange();

    void loadLog();
    // Both tables again, from the log, in the current units.
    void showLog();
    void showBatches();
    // The Tests list's rows: the header, then one for each entry.
    int testsRows() const;
    std::string testsRow(int row) const;
    // The summary of the batch selected in Batches, nullptr (and the user told) when none is.
    const BatchSummary* selectedBatch();
    // The Length box follows a change of units with the length it holds.
    void convertLength(LengthUnit from, LengthUnit to);

    DiskFile logFile_;
    BatchLog entries_;                    // equal to kes-batches.csv, Tests row i + 1 each
    std::vector<BatchSummary> summaries_; // Batches row i + 1 each
    bool shown_ = false;
    LengthUnit shownUnit_ = LengthUnit::Inch;
    double shownThickness_ = 0;

    static const std::array<platform::EventEntry<CBatchLogDlg>, 8> kEvents;
};

} // namespace kestrune
