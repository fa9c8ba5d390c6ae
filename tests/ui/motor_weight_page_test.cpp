// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/seams.h"
#include "tests/support/locale_guard.h"
#include "tests/support/program_files.h"
#include "tests/ui/page_sheet.h"
#include "ui/help_contexts.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune::test {
namespace {

class MotorWeight : public PageSheetTest {
protected:
    std::string text(int id) { return motorWeight_.GetEdit(id).GetWindowText(); }
};

// Weight and per strand by the volume; turns and torque as the Breaking Turns and Torque pages
// show them (whole inches), with Tan Sport calibrated in kes.cfg and Tan Super Sport not.
TEST_F(MotorWeight, ResultsAreTheModelsAndTheCalculationPages) {
    const struct {
        std::array<int, 4> lists; // Type, Width, Strands, Limit
        int inches;
        bool mm;
        double thickness, density; // thickness in the row's unit
    } motors[] = {{{TanII, 2, 1, 4}, 10, false, 0.042, 1},
                  {{TanSport, 0, 0, 10}, 1, true, 1.2, 0.98},
                  {{TanSuperSport, 3, 17, 0}, 30, false, 0.05, 1.1},
                  {{TanII, 4, 7, 2}, 20, true, 1.0668, 1.0421}};
    const auto check = [&] {
        for (const auto& m : motors) {
            for (const auto& [index, page] :
                 {std::pair<PageIndex, platform::CWnd*>{TurnsPage, &turns_},
                  {TorquePage, &torque_},
                  {MotorWeightPage, &motorWeight_}}) {
                activate(index);
                for (std::size_t i = 0; i < 4; ++i)
                    enter(*page, std::array{IDC_TYPE, IDC_WIDTH, IDC_STRANDS, IDC_LIMIT}[i],
                          std::to_string(m.lists[i]));
            }
            enter(motorWeight_, IDC_UNITS, m.mm ? "1" : "0");
            enter(motorWeight_, IDC_THICKNESS, fixed(m.thickness, 4));
            enter(motorWeight_, IDC_DENSITY, fixed(m.density, 4));
            enter(motorWeight_, IDC_LENGTH,
                  m.mm ? fixed(m.inches * 25.4, 1) : std::to_string(m.inches));
            activate(TurnsPage);
            enter(turns_, IDC_LENGTH, std::to_string(m.inches));
            const double strand = m.density * (m.mm ? m.thickness / 25.4 : m.thickness) *
                                  kStripWidths[m.lists[1]].inches * 16.387064;
            const std::string torque = topLine(torque_, IDC_TORQUE_RESULT);
            const std::string newtonMm =
                " (" + fixed(calcState().torqueMotor.torque * 7.0615518, 1) + " N·mm)";
            EXPECT_EQ(text(IDC_WEIGHT_TURNS), topLine(turns_, IDC_TURNS_RESULT));
            EXPECT_EQ(text(IDC_WEIGHT_TORQUE),
                      torque == "Undefined" ? torque : torque + " oz-in" + (m.mm ? newtonMm : ""));
            EXPECT_EQ(text(IDC_WEIGHT), fixed(strand * strandCountAt(m.lists[2]) * m.inches, 2));
            EXPECT_EQ(text(IDC_PER_STRAND), m.mm ? fixed(strand * (1000 / 25.4), 2) + " g/m"
                                                 : fixed(strand, 4) + " g/in");
        }
    };
    writeFileAtomically(settingsFilePath(), "107\n0\n90\n2.70\n0.00\n1.50\n");
    runSheet([&](QWidget*) {
        check();
        DecimalCommaLocale comma;
        KESTRUNE_REQUIRE_DECIMAL_COMMA(comma);
        check();
    });
}

// Each box and list reaches the page's model and its texts come back (the rules are the
// model's table); keys the number boxes refuse never reach it. Then the Batch Log's "Use
// density" changes the density, and the page shows it when it is shown again; Tab reaches every
// control, each named after its label; Help and F1 open the page's section.
TEST_F(MotorWeight, EveryControlReachesTheModelAndItsTextsComeBack) {
    std::vector<unsigned long> topics;
    platform::setHelpHook([&](unsigned long context) { topics.push_back(context); });
    const struct {
        int id;
        std::string input, length, weight, perStrand, turns, check;
    } steps[] = {
        {IDC_WEIGHT, "10", "29.06", "10", "0.0860 g/in", "1758", ""},
        {IDC_STRANDS, "2", "19.37", "10", "0.0860 g/in", "956", ""},
        {IDC_CLASS, "2", "19.37", "10.00", "0.0860 g/in", "956", "at the F1G limit"},
        {IDC_UNITS, "1", "492.1", "10.00", "3.39 g/m", "956", "at the F1G limit"},
        {IDC_LENGTH, "500", "500", "10.16", "3.39 g/m", "972", "0.16 g over the F1G limit"},
        {IDC_DENSITY, "1.05", "500", "10.67", "3.56 g/m", "972", "0.67 g over the F1G limit"},
        {IDC_UNITS, "0", "19.69", "10.67", "0.0903 g/in", "972", "0.67 g over the F1G limit"},
        {IDC_CLASS, "0", "19.69", "10.67", "0.0903 g/in", "972", ""},
        {IDC_WEIGHT, "15a5", "27.68", "15", "0.0903 g/in", "1367", ""}, // refused keys
        {IDC_TYPE, "1", "27.68", "15", "0.0903 g/in", "Undefined", ""},
        {IDC_WIDTH, "3", "18.45", "15", "0.1355 g/in", "Undefined", ""},
        {IDC_LIMIT, "0", "18.45", "15", "0.1355 g/in", "Undefined", ""},
        {IDC_THICKNESS, "0.05", "15.50", "15", "0.1613 g/in", "Undefined", ""},
    };
    runSheet([&](QWidget* sheet) {
        activate(MotorWeightPage);
        EXPECT_EQ(text(IDC_LENGTH) + " " + text(IDC_WEIGHT) + " " + text(IDC_WEIGHT_TURNS),
                  "1.00 0.34 60");
        for (const auto& step : steps) {
            enter(motorWeight_, step.id, step.input);
            EXPECT_EQ(
                (std::vector{text(IDC_LENGTH), text(IDC_WEIGHT), text(IDC_PER_STRAND),
                             text(IDC_WEIGHT_TURNS), text(IDC_CLASS_CHECK)}),
                (std::vector{step.length, step.weight, step.perStrand, step.turns, step.check}))
                << step.id << " " << step.input;
        }
        activate(TurnsPage);
        preferences().setDensity(1.1);
        activate(MotorWeightPage);
        EXPECT_EQ(text(IDC_DENSITY) + " " + text(IDC_LENGTH), "1.10 14.79");
        enter(motorWeight_, IDC_THICKNESS, "0");
        EXPECT_EQ(motorWeight_.GetDlgItem(IDC_WEIGHT_NOTE)->property("text").toString(),
                  "Thickness: a number above 0");
        clickButton(sheet, "Help");
        QTest::keyClick(motorWeight_.GetDlgItem(IDC_LENGTH), Qt::Key_F1);
        motorWeight_.GetDlgItem(IDC_TYPE)->setFocus(Qt::TabFocusReason);
        for (const char* name : {"Type", "Width", "Strands", "Thickness", "Density (g/cm³)",
                                 "Length", "Weight (g)", "Class", "Limit (%)", "Units", "Turns",
                                 "Torque", "Per strand", "Class check", "Help"}) {
            EXPECT_EQ(QApplication::focusWidget(), findByAccessibleName(sheet, name)) << name;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    });
    platform::setHelpHook({});
    EXPECT_EQ(topics, (std::vector<unsigned long>{kHelpMotorWeight, kHelpMotorWeight}));
}

// The page's own writes into its boxes raise nothing: one key is one notification, whichever
// box it goes into and however many boxes follow it.
class CountingMotorWeight final : public CMotorWeightDlg {
public:
    int notifications = 0;

protected:
    bool OnCommand(int id, platform::Notification code) override {
        ++notifications;
        return CMotorWeightDlg::OnCommand(id, code);
    }
};

TEST(MotorWeightNotifications, AKeyIsOneNotification) {
    calcState() = CalcState{};
    preferences() = Preferences{};
    CountingMotorWeight page;
    platform::CPropertySheet sheet("Kestrune", nullptr, 0);
    sheet.AddPage(&page);
    std::vector<int> counts;
    answerNextModal([&](QWidget* window) {
        for (const int id : {IDC_LENGTH, IDC_WEIGHT, IDC_THICKNESS, IDC_DENSITY}) {
            QTest::mouseClick(page.GetDlgItem(id), Qt::LeftButton);
            page.notifications = 0;
            QTest::keyClick(page.GetDlgItem(id), Qt::Key_2);
            counts.push_back(page.notifications);
        }
        clickButton(window, "Cancel");
    });
    sheet.DoModal();
    EXPECT_EQ(counts, (std::vector{1, 1, 1, 1}));
}

} // namespace
} // namespace kestrune::test
