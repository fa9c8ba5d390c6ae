// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Winding page's rules, as the user meets them, beside the Breaking Turns and Breaking Torque
// pages on one state.

#include "core/number_text.h"
#include "models/calc_page_model.h"
#include "models/motor_weight_model.h"
#include "models/winding_model.h"
#include "tests/support/locale_guard.h"

#include <cmath>
#include <gtest/gtest.h>
#include <iomanip>
#include <locale>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kestrune {
namespace {

using test::DecimalCommaLocale;

struct Motor {
    int type, width, strandsIndex;
    const char* length; // typed on the Breaking Turns page, in inches
    bool vorlick;
    double k, kq; // the type's constants in kes.cfg
};

// "%.Nf" in the C locale, not by the program's own formatting.
std::string fixed(double value, int decimals) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

// The card's row at the limit, from the formulas as the modeller's tables print them.
std::string modelRow(const Motor& m, int limit, int ratio, LengthUnit unit) {
    const double w = kStripWidths[static_cast<std::size_t>(m.width)].inches;
    const double n = 2 + 2 * m.strandsIndex, d = n * w, a = 4 * d, c = 0.25 / d;
    const double tpi = m.vorlick ? (2 - w) * 80 / std::sqrt(n)
                                 : (d > 0.25 ? m.k / std::sqrt(a) : std::sqrt(c) * m.k);
    double q = m.vorlick ? std::pow(n, 1.38) * (5 * w + 0.45)
                         : (d > 0.25 ? a * std::sqrt(a) * m.kq : m.kq / (c * std::sqrt(c)));
    q = (q + (m.kq != 0 ? 0.005 : 0)) * (limit * 0.01);
    const int turns = static_cast<int>(static_cast<int>(std::stoi(m.length) * tpi) * limit * 0.01);
    std::string row = std::to_string(limit) + "\t";
    row += tpi == 0 ? "Undefined\t\t"
                    : std::to_string(turns) + "\t" + std::to_string(turns / ratio) + "\t";
    row += q == 0 ? "Undefined" : fixed(q, 2);
    return row + (unit == LengthUnit::Inch ? "" : "\t" + (q == 0 ? "" : fixed(q * 7.0615518, 1)));
}

// A row's Turns and Torque cells, as "turns|torque|".
std::string turnsAndTorque(const std::string& row) {
    std::istringstream cells(row);
    std::string cell, shown;
    for (int i = 0; std::getline(cells, cell, '\t'); ++i)
        shown += i == 1 || i == 3 ? cell + "|" : "";
    return shown;
}

// The motor is set on the Breaking Turns page; the card must show what that page and the
// Breaking Torque page show at every limit, and what the formulas give.
TEST(WindingModel, CardIsWhatTheCalculationPagesShowAtEveryLimit) {
    const struct {
        Motor m;
        int ratio;
        LengthUnit unit;
        bool decimalComma;
        std::string note = ""; // why the rows read "Undefined"
    } cases[] = {{{TanII, 2, 1, "10", false, 107, 2.7}, 16, LengthUnit::Inch, false},
                 {{TanSport, 4, 5, "23", false, 90, 1.5}, 13, LengthUnit::Millimetre, true},
                 {{TanSuperSport, 0, 17, "40", false, 0, 0},
                  5,
                  LengthUnit::Inch,
                  true,
                  "Tan Super Sport is not calibrated: calibrate it, or Use a batch"},
                 {{TanSuperSport, 3, 0, "7", true, 0, 0}, 1, LengthUnit::Millimetre, false}};
    for (const auto& [m, ratio, unit, comma, note] : cases) {
        std::optional<DecimalCommaLocale> locale;
        EXPECT_EQ(comma && locale.emplace().active(), comma);
        CalcState state;
        state.table = {{107, 0, 90}, {2.7, 0, 1.5}};
        std::vector<std::string> shown(kLimitCount);
        for (const Quantity quantity : {Quantity::Turns, Quantity::Torque}) {
            CalcPageModel page(state, quantity);
            page.start();
            page.chooseType(m.type);
            const std::string length = quantity == Quantity::Turns ? m.length : "";
            for (int i = 0; i < kLimitCount; ++i)
                shown[static_cast<std::size_t>(i)] +=
                    page.recompute({m.width, m.strandsIndex, i, length, m.vorlick}).value_or("") +
                    "|";
        }
        Preferences preferences;
        preferences.setUnits(unit);
        preferences.setWinderRatio(ratio);
        SharedMotor shared;
        WindingModel winding(state, preferences, shared);
        winding.shown();
        EXPECT_EQ(winding.view().note, note);
        const std::vector<std::string>& card = winding.view().card;
        EXPECT_EQ(card[0], std::string("%\tTurns\tCranks\tBreaking torque") +
                               (unit == LengthUnit::Inch ? "" : "\tN·mm"));
        for (int i = 0; i < kLimitCount; ++i) {
            const std::string& row = card[static_cast<std::size_t>(i) + 1];
            EXPECT_EQ(row, modelRow(m, limitAt(i), ratio, unit));
            EXPECT_EQ(turnsAndTorque(row), shown[static_cast<std::size_t>(i)]);
        }
    }
}

enum class On { Turns, Torque, Winding, MotorWeight };
enum class Box { Length, WinderRatio, Stretch, Strands, Vorlick };

// Types over a box's text as a user does: all of it taken away, then a key a character.
template <class Type> void typeOver(const std::string& text, Type type) {
    for (std::size_t n = 0; n <= text.size(); ++n)
        type(text.substr(0, n));
}

// Each line is entered on a page after the lines above it, under a decimal-comma locale; then
// the Winding page shows the row at 80 %, the stretched length, the winder ratio and stretch
// kept, its Strands entry, Length and Vorlick, and why a column is empty. The Breaking Turns
// motor is taken only when it changed, an empty Length there leaves the card's length, and the
// same length leaves the Length box as typed.
TEST(WindingModel, BadInputIsRefusedAndTheTurnsPageMotorTakenWhenItChanged) {
    const char* ratioNote = "Winder ratio: a whole number from 1 up";
    const char* kTooLarge = "Length: too large to compute with";
    const std::string kNines(310, '9'); // pasted on the Breaking Turns page: no length to wind
    const struct {
        On page;
        Box box;
        const char *typed, *shows, *note;
    } lines[] = {
        {On::Winding, Box::Length, "10", "80\t604\t37\t6.11|40.00 inch|16 4|1 10 0", ""},
        {On::Winding, Box::WinderRatio, "7", "80\t604\t86\t6.11|40.00 inch|7 4|1 10 0", ""},
        {On::Winding, Box::WinderRatio, "0", "80\t604\t\t6.11|40.00 inch|7 4|1 10 0", ratioNote},
        {On::Winding, Box::WinderRatio, "2147483648",
         "80\t604\t\t6.11|40.00 inch|214748364 4|1 10 0",
         "Winder ratio: too large, at most 2,147,483,647"},
        {On::Winding, Box::WinderRatio, "99999999999",
         "80\t604\t\t6.11|40.00 inch|999999999 4|1 10 0",
         "Winder ratio: too large, at most 2,147,483,647"},
        {On::Winding, Box::WinderRatio, "", "80\t604\t\t6.11|40.00 inch|999999999 4|1 10 0",
         ratioNote},
        {On::Winding, Box::Length, "-5", "80\t\t\t6.11||999999999 4|1 -5 0", ratioNote},
        {On::Winding, Box::Length, "1e400", "80\t\t\t6.11||999999999 4|1 1e400 0", ratioNote},
        {On::Winding, Box::Length, "1e9",
         "80\tUndefined\t\t6.11|4000000000.00 inch|999999999 4|1 1e9 0", ratioNote},
        {On::Winding, Box::Length, "", "80\t\t\t6.11||999999999 4|1  0", ratioNote},
        {On::Winding, Box::WinderRatio, "20", "80\t\t\t6.11||20 4|1  0", ""},
        {On::Winding, Box::Length, "1e999", "80\t\t\t6.11||20 4|1 1e999 0", kTooLarge},
        {On::Winding, Box::Length, "1e10", "80\t\t\t6.11||20 4|1 1e10 0", kTooLarge},
        {On::Winding, Box::Length, "-5", "80\t\t\t6.11||20 4|1 -5 0", "Length: a number above 0"},
        {On::Winding, Box::Length, "12.5", "80\t756\t37\t6.11|50.00 inch|20 4|1 12.5 0", ""},
        {On::Winding, Box::Stretch, "1", "80\t756\t37\t6.11|43.75 inch|20 3.5|1 12.5 0", ""},
        {On::Winding, Box::Strands, "3", "80\t534\t26\t17.28|43.75 inch|20 3.5|3 12.5 0", ""},
        {On::Torque, Box::Strands, "5", "80\t534\t26\t17.28|43.75 inch|20 3.5|3 12.5 0", ""},
        {On::Turns, Box::Length, "", "80\t756\t37\t6.11|43.75 inch|20 3.5|1 12.5 0", ""},
        {On::Turns, Box::Length, "12", "80\t725\t36\t6.11|42.00 inch|20 3.5|1 12 0", ""},
        {On::Winding, Box::Length, "12.0", "80\t725\t36\t6.11|42.00 inch|20 3.5|1 12.0 0", ""},
        {On::Turns, Box::Length, kNines.c_str(), "80\t725\t36\t6.11|42.00 inch|20 3.5|1 12.0 0",
         ""},
        {On::Turns, Box::Vorlick, "", "80\t720\t36\t5.83|42.00 inch|20 3.5|1 12.0 1", ""},
        // Motor Weight sizes a motor: its length with decimals; Vorlick stays as it was.
        {On::MotorWeight, Box::Length, "10.5", "80\t629\t31\t5.83|36.75 inch|20 3.5|1 10.5 1", ""},
        {On::MotorWeight, Box::Strands, "2", "80\t513\t25\t10.20|36.75 inch|20 3.5|2 10.5 1", ""},
        {On::Torque, Box::Strands, "4", "80\t513\t25\t10.20|36.75 inch|20 3.5|2 10.5 1", ""},
        {On::Turns, Box::Length, "11", "80\t660\t33\t5.83|38.50 inch|20 3.5|1 11 1", ""}};
    DecimalCommaLocale locale;
    KESTRUNE_REQUIRE_DECIMAL_COMMA(locale);
    CalcState state;
    state.table = kDefaultCalibration;
    Preferences preferences;
    SharedMotor shared;
    MotorWeightModel motorWeight(state, preferences, shared);
    motorWeight.start();
    // The pages as the sheet starts them: the Breaking Turns page computes its 1-inch motor.
    CalcPageModel turnsPage(state, Quantity::Turns), torquePage(state, Quantity::Torque);
    CalcPageInputs turns{2, 1, 4, "1", false}, torque{2, 1, 4, "", false};
    turnsPage.start();
    turnsPage.recompute(turns);
    torquePage.start();
    WindingModel winding(state, preferences, shared);
    winding.shown();
    for (const auto& line : lines) {
        if (line.page == On::MotorWeight) {
            if (line.box == Box::Length) {
                motorWeight.typeLength(line.typed);
            } else {
                MotorWeightChoices choices = motorWeight.choices();
                choices.strands = std::stoi(line.typed);
                motorWeight.choose(choices);
            }
            winding.shown();
        } else if (line.page == On::Winding) {
            WindingChoices choices = winding.choices();
            if (line.box == Box::Length)
                typeOver(line.typed, [&](const std::string& text) { winding.typeLength(text); });
            else if (line.box == Box::WinderRatio)
                typeOver(line.typed,
                         [&](const std::string& text) { winding.typeWinderRatio(text); });
            else if (line.box == Box::Stretch)
                winding.chooseStretch(std::stoi(line.typed));
            else if (line.box == Box::Strands)
                choices.strands = std::stoi(line.typed), winding.choose(choices);
        } else {
            CalcPageInputs& inputs = line.page == On::Turns ? turns : torque;
            if (line.box == Box::Length)
                inputs.length = line.typed;
            else if (line.box == Box::Strands)
                inputs.strands = std::stoi(line.typed);
            else if (line.box == Box::Vorlick)
                inputs.useVorlick = !inputs.useVorlick;
            (line.page == On::Turns ? turnsPage : torquePage).recompute(inputs);
            winding.shown();
        }
        const WindingView& view = winding.view();
        EXPECT_EQ(view.card[5] + "|" + view.stretchedLength + "|" +
                      std::to_string(preferences.winderRatio()) + " " +
                      formatShortest(preferences.stretch()) + "|" +
                      std::to_string(winding.choices().strands) + " " + view.length + " " +
                      std::to_string(winding.choices().vorlick),
                  line.shows);
        EXPECT_EQ(view.note, line.note) << line.typed;
    }
    preferences.setUnits(LengthUnit::Millimetre);
    winding.shown();
    EXPECT_EQ(winding.view().length + " " + winding.view().stretchedLength, "279.4 977.9 mm");

    // The next run shows the inputs kept, not the Breaking Turns page's 1-inch motor, until a
    // motor changes.
    CalcState next;
    next.table = kDefaultCalibration;
    SharedMotor nextShared;
    WindingModel again(next, preferences, nextShared);
    again.shown();
    EXPECT_EQ(again.view().length + " " + again.view().stretchedLength, "279.4 977.9 mm");
    EXPECT_EQ(again.choices(), winding.choices());
    next.turnsMotor.strands = 6;
    again.shown();
    EXPECT_EQ(again.view().length + " " + std::to_string(again.choices().strands), "25.4 2");
}

} // namespace
} // namespace kestrune
