// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The field page: Breaking Turns, the winding card, Motor Weight and the constants on a phone,
// over the same page models as the window. The browser hands over each request as texts (what was
// typed or chosen, the bytes of a picked file) and shows the view this gives back; it keeps the
// constants and preferences as the kes.cfg and kes-prefs.cfg texts of the view between visits.

#include "core/calc_state.h"
#include "core/preferences.h"
#include "field_view.h"
#include "models/batch_log_model.h"
#include "models/calc_page_model.h"
#include "models/motor_weight_model.h"
#include "models/shared_motor.h"
#include "models/winding_model.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace kestrune {

class FieldPage {
public:
    FieldPage();

    // One request, its name first:
    //   start [settings preferences]   the page opens, with the texts it kept, or the defaults
    //   change ID VALUE                a box typed (its text), a list chosen (the entry's index),
    //                                  a tick box (1 or 0), a page shown (tab), a batch used
    //                                  (batch-use, its Batches row), the defaults (defaults)
    //   settings NAME BYTES ...        kes.cfg picked, and kes-prefs.cfg beside it when picked too
    //   batches NAME BYTES             kes-batches.csv picked
    // An unknown request changes nothing.
    void request(std::span<const std::string> args);

    const FieldView& view() const { return view_; }

private:
    void change(std::string_view id, std::string value);
    void start(const std::string* settings, const std::string* preferences);
    void pickSettings(std::span<const std::string> files);
    void pickBatches(const std::string& name, const std::string& bytes);
    void typeConstant(std::size_t slot, std::string text);
    // The table changed: each page computes with its type's new constants.
    void constantsChanged();
    void showTab(std::string tab);
    void updateView();

    CalcState state_;
    Preferences preferences_;
    // The field page's card winds the Breaking Turns tab's motor: the Motor Weight tab sizes its
    // motor for itself, so each model has a shared motor of its own.
    SharedMotor cardMotor_;
    SharedMotor weightMotor_;
    CalcPageModel turns_;
    WindingModel card_;
    MotorWeightModel weight_;
    BatchLogModel batches_;
    CalcPageInputs turnsInputs_;
    std::string tab_ = "turns";
    // The constants' boxes: turns constants by type, then torque constants; and why one is not
    // used.
    std::array<std::string, std::size_t{2} * kRubberTypeCount> constantTexts_;
    std::string constantsNote_;
    std::string message_; // what the last file picked or batch used did
    FieldView view_;
};

} // namespace kestrune
