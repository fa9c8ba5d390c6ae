// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Winding page: the card a modeller winds one motor to at the field, for every limit, to
// print, to save as a PDF or to copy.

#include "core/calc_state.h"
#include "core/units.h"
#include "core/winding_card.h"
#include "platform/CPropertyPage.h"
#include "platform/print.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kestrune {

class CWindingDlg : public platform::CPropertyPage {
public:
    CWindingDlg();

    // Reads the inputs and shows the card for them.
    void recomputeCard();

protected:
    bool OnInitDialog() override;
    // Toward the controls, at every activation: the Breaking Turns page's motor when it changed
    // since the page took it, the units, winder and stretch of the preferences, a new card.
    void DoDataExchange(platform::CDataExchange& dx) override;
    bool OnCommand(int controlId, platform::Notification code) override;

private:
    void OnInputChange();
    void OnLengthUpdate();
    void OnWinderRatioChange();
    void OnStretchSelChange();
    void OnPrintClicked();
    void OnSavePdfClicked();
    void OnCopyClicked();
    void OnHelpClicked() { OnHelpInfo(); }

    WindingMotor readMotor();
    void showMotor(const WindingMotor& motor);
    void showLength(double inches);
    void showPreferences();
    platform::Printout printout() const;
    // Why the card leaves the cranks or the turns out; empty when it leaves out nothing typed.
    std::string refusal();

    std::optional<TurnsMotor> taken_; // the Breaking Turns motor the inputs last took
    double lengthInches_ = 0;         // the Length box's length; 0 while it holds none
    bool showingLength_ = false;      // the program, not the user, is writing the Length box
    LengthUnit unit_ = LengthUnit::Inch;
    std::vector<double> stretches_; // the Stretch list's entries
    WindingMotor motor_;
    WindingCard card_;
    std::filesystem::path pdfFolder_; // where the last card was saved

    static const std::array<platform::EventEntry<CWindingDlg>, 12> kEvents;
};

} // namespace kestrune
