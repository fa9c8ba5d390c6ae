// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Winding page without its window: the motor to wind, taken from the Breaking Turns or the
// Motor Weight page when the one of them changed its motor, else the inputs kept, the winder and
// stretch the preferences keep, and the card with every text the page shows, copies and prints of
// it. The page hands over what is typed and chosen and shows the texts this gives back.

#include "core/calc_state.h"
#include "core/preferences.h"
#include "core/winding_card.h"
#include "models/shared_motor.h"
#include "models/typed_measure.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// The page's Type, Width and Strands lists, as the index of their selected entries (-1: none),
// and its Vorlick box.
struct WindingChoices {
    int type = TanII;
    int width = 2;   // 1/8
    int strands = 1; // 4
    bool vorlick = false;
    friend bool operator==(const WindingChoices&, const WindingChoices&) = default;
};

// Every text of the page: its boxes, labels and lists.
struct WindingView {
    std::string length;
    std::string unit{kLengthUnitTexts[0]}; // the label after Length, inches at first
    std::string winderRatio;
    int winderRatioEntry = -1; // the list entry the Winder ratio box shows, -1 for a ratio typed
    std::vector<std::string> stretches;
    int stretch = -1;              // the Stretch list's selected entry
    std::vector<std::string> card; // the header line, then a line a limit
    std::string stretchedLength;
    std::string note; // why the card leaves the cranks or the turns out
};

// The printed card, as the page hands it to the printer or the PDF.
struct WindingPrintout {
    std::string title;
    std::vector<std::string> lines;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::string footer;
};

// What a showing of the page changed in its lists beyond their selection.
struct WindingRelisted {
    bool motor = false;     // the Type, Width and Strands lists and Vorlick show a motor taken
    bool stretches = false; // the Stretch list has other entries
};

class WindingModel {
public:
    // The calculation state gives the Breaking Turns page's motor and the constants, the shared
    // motor the Motor Weight page's; the preferences give the units and keep the inputs, the
    // winder ratio and the stretch chosen here.
    WindingModel(const CalcState& state, Preferences& preferences, const SharedMotor& shared);

    // The Winder ratio list's entries.
    static std::vector<std::string> winderRatioEntries();

    // The page is shown: the preferences' units, winder ratio and stretch; first the inputs kept
    // from the last run, if any, and after them the motor of the page that changed one last, when
    // it changed since the page last took it; and a new card.
    WindingRelisted shown();

    // What the user typed or chose, as it stands. The Length box is read in the units; a winder
    // ratio or a stretch the preferences accept is kept there.
    void choose(const WindingChoices& choices);
    void typeLength(std::string text);
    void typeWinderRatio(std::string text);
    void chooseStretch(int entry);
    // Shown with every list and box given at once, for a caller that makes many cards: the card
    // shown(), choose(), typeLength() and, when given, typeWinderRatio() make in turn, built once.
    void showWith(const WindingChoices& choices, std::string length,
                  std::optional<std::string> winderRatio);

    const WindingChoices& choices() const { return choices_; }
    const WindingView& view() const { return view_; }
    // What the printed card says above its table: the motor, its weight, the constants, the
    // winder and the stretch, and the note when there is one.
    std::vector<std::string> describedMotor() const;
    // The card the view shows, with its numbers unrounded.
    const WindingCard& card() const { return card_; }
    // What the note says: why the card leaves the cranks or the turns out; nothing when it has
    // them all.
    std::optional<BoxFault> fault() const;
    // The card as Copy puts it on the clipboard: those lines, then the table.
    std::string copyText() const;
    // The card as it is printed, with the program's name and version and today's date below it.
    WindingPrintout printout(std::string_view programName, std::string_view version) const;

private:
    WindingMotor motor() const;
    // The inputs kept from the last run; false when none are.
    bool showKeptInputs();
    void keepInputs();
    void showLength(double inches);
    void takeLength(std::string text);
    void takeWinderRatio(std::string text);
    // True when the Stretch list gets other entries.
    bool showPreferences();
    void recompute();

    const CalcState& state_;
    Preferences& preferences_;
    const SharedMotor& shared_;
    std::optional<MotorToWind> taken_; // the motor the inputs last took
    WindingChoices choices_;
    double lengthInches_ = 0;      // the Length box's length; 0 while it holds none
    std::string_view lengthFault_; // why the Length box holds none
    LengthUnit unit_ = LengthUnit::Inch;
    std::vector<double> stretches_; // the Stretch list's entries
    WindingMotor motor_;            // the motor of the card
    WindingCard card_;
    WindingView view_;
};

} // namespace kestrune
