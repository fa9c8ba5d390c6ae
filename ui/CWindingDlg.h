// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Winding page: the card a modeller winds one motor to at the field, for every limit, to
// print, to save as a PDF or to copy.

#include "models/winding_model.h"
#include "platform/CPropertyPage.h"
#include "platform/print.h"

#include <array>
#include <filesystem>

namespace kestrune {

class CWindingDlg : public platform::CPropertyPage {
public:
    CWindingDlg();

protected:
    bool OnInitDialog() override;
    // Toward the controls, at every activation: what the model takes from the other pages.
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnCommand(int controlId, platform::Notification code) override;
    // Enter in a box leaves the sheet open: every box recomputes as it is typed.
    platform::EnterKey OnEnterKey(int /*controlId*/) override {
        return platform::EnterKey::nothing();
    }

private:
    void OnInputChange();
    void OnLengthUpdate();
    void OnWinderRatioChange();
    void OnStretchSelChange();
    void OnPrintClicked();
    void OnSavePdfClicked();
    void OnCopyClicked();
    void OnHelpClicked() { OnHelpInfo(); }

    // What the model gives, into the boxes, labels and the card; the box being typed in already
    // holds its text.
    void show();
    platform::Printout printout() const;

    WindingModel model_;
    std::filesystem::path pdfFolder_; // where the last card was saved

    static const std::array<platform::EventEntry<CWindingDlg>, 12> kEvents;
};

} // namespace kestrune
