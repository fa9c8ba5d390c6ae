// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Torque Test page: a torque meter's readings of a motor wound and let down, typed, imported
// or pasted; their curve, energies and hysteresis; the tests kept in kes-torque.csv. Its model
// holds the test, the log and every text it shows.

#include "files/disk_file.h"
#include "models/torque_test_model.h"
#include "platform/CPropertyPage.h"
#include "platform/chart_print.h"

#include <array>
#include <filesystem>
#include <string>

namespace kestrune {

class CTorqueTestDlg : public platform::CPropertyPage {
public:
    CTorqueTestDlg();

protected:
    bool OnInitDialog() override;
    // Shown again, Length and the tables follow the units another page chose.
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnCommand(int controlId, platform::Notification code) override;
    // Enter in the readings' Torque adds the reading; elsewhere it does nothing.
    platform::EnterKey OnEnterKey(int controlId) override;

private:
    void OnInputChange();
    void OnAddReadingClicked();
    void OnReadingsDeleteKey();
    void OnReadingsSelChange();
    void OnImportClicked();
    void OnPasteClicked();
    void OnTestsSelChange();
    void OnAddClicked();
    void OnChangeClicked();
    void OnDeleteClicked();
    void OnPrintClicked();
    void OnSavePdfClicked();
    void OnHelpClicked() { OnHelpInfo(); }

    // The boxes and lists of the test as they stand.
    TorqueTestTexts texts();
    // The boxes as the model has them, then everything that follows from them.
    void showTyped();
    // The readings, the results, the notes and the curve.
    void show();
    void showReadings();
    void showTests();
    // Meter text read by the model; a refusal is told.
    void readMeter(std::string bytes);
    platform::ChartPrintout printout() const;

    DiskFile logFile_;
    TorqueTestModel model_;
    std::filesystem::path importFolder_, pdfFolder_; // where the last log came from, PDF went
    bool shown_ = false;

    static const std::array<platform::EventEntry<CTorqueTestDlg>, 25> kEvents;
};

} // namespace kestrune
