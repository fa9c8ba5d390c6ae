// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Torque Test page driven by name: its boxes, buttons and keys reach its model, a meter's log
// comes in through the file dialog and the clipboard, and kes-torque.csv on disk holds what was
// added. The rules are the model's tests.

#include "batches/torque_log_file.h"
#include "platform/chart_print.h"
#include "platform/seams.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/page_sheet.h"
#include "ui/resources/dialog_templates.h"

#include <QAccessible>

namespace kestrune::test {
namespace {

namespace fs = std::filesystem;

fs::path torqueLogPath() {
    return programFilePath(kTorqueLogFileName);
}

class TorqueTestPageTest : public PageSheetTest {
protected:
    void SetUp() override {
        PageSheetTest::SetUp();
        fs::remove(torqueLogPath());
        platform::setMessageHook([this](const auto&, const auto& text) { told_.push_back(text); });
    }
    void TearDown() override {
        platform::setMessageHook({});
        platform::setFileDialogHook({});
        platform::setChartPrintHook({});
        fs::remove(torqueLogPath());
        PageSheetTest::TearDown();
    }
    std::string text(int id) { return torqueTest_.GetEdit(id).GetWindowText(); }
    int rows(int id) { return torqueTest_.GetListBox(id).GetCount(); }
    void click(const char* button) { clickButton(torqueTest_.widget()->window(), button); }
    void reading(const char* torque) {
        enter(torqueTest_, IDC_READING_TORQUE, torque);
        QTest::keyClick(torqueTest_.GetDlgItem(IDC_READING_TORQUE), Qt::Key_Return);
    }
    std::vector<std::string> told_;
};

TEST_F(TorqueTestPageTest, EveryControlIsNamedByItsLabel) {
    runSheet([&](QWidget* sheet) {
        activate(TorqueTestPage);
        for (const char* name : {"Batch",
                                 "Date",
                                 "Type",
                                 "Width",
                                 "Strands",
                                 "Length",
                                 "Weight (g)",
                                 "Winder ratio",
                                 "Note",
                                 "Turns",
                                 "Torque",
                                 "Back-off",
                                 "Total turns",
                                 "Readings",
                                 "Torque curve",
                                 "Peak torque",
                                 "Turns at peak",
                                 "Energy in",
                                 "Energy out",
                                 "Mean torque",
                                 "Hysteresis",
                                 "Per weight",
                                 "Per weight (ft-lbf/lb)",
                                 "At torque",
                                 "Turns at torque",
                                 "Tests",
                                 "Add reading",
                                 "Import…",
                                 "Paste",
                                 "Add",
                                 "Change",
                                 "Delete",
                                 "Print…",
                                 "Save PDF…",
                                 "Help"})
            EXPECT_NE(findByAccessibleName(sheet, QString::fromUtf8(name)), nullptr) << name;
    });
}

// A back-off typed step by step: Enter in Torque adds the reading and the next row's turns
// follow from Back-off and Winder ratio; Enter in another box or list presses nothing, the OK
// included; the results and the curve's description follow; Add keeps the test in kes-torque.csv.
TEST_F(TorqueTestPageTest, ABackOffTypedWithEnterIsKeptByAdd) {
    runSheet([&](QWidget* sheet) {
        activate(TorqueTestPage);
        enter(torqueTest_, IDC_BATCH, "Spring 26");
        enter(torqueTest_, IDC_LENGTH, "12");
        enter(torqueTest_, IDC_TEST_WEIGHT, "10");
        enter(torqueTest_, IDC_TEST_WINDER_RATIO, "16");
        enter(torqueTest_, IDC_BACK_OFF, "10");
        enter(torqueTest_, IDC_READING_TURNS, "1000");
        reading("12.5");
        EXPECT_EQ(text(IDC_READING_TURNS), "840");
        EXPECT_EQ(text(IDC_READING_TORQUE), "");
        reading("10");
        reading("8");
        EXPECT_EQ(rows(IDC_READINGS), 4) << "the header and three readings";
        EXPECT_EQ(text(IDC_ENERGY_OUT), "143.756");
        EXPECT_EQ(text(IDC_MEAN_TORQUE), "10.125");
        EXPECT_EQ(text(IDC_PER_WEIGHT) + " " + text(IDC_PER_WEIGHT_FTLBF), "14.38 4809");
        EXPECT_EQ(text(IDC_HYSTERESIS), "–") << "no winding was read";
        enter(torqueTest_, IDC_AT_TORQUE, "9");
        EXPECT_EQ(text(IDC_TURNS_AT_TORQUE), "760");
        QAccessibleInterface* curve =
            QAccessible::queryAccessibleInterface(torqueTest_.GetDlgItem(IDC_CURVE));
        EXPECT_TRUE(curve->text(QAccessible::Description).contains("143.756"));

        for (const int id : {IDC_BATCH, IDC_READING_TURNS, IDC_TYPE, IDC_TESTS}) {
            torqueTest_.GetDlgItem(id)->setFocus();
            QTest::keyClick(torqueTest_.GetDlgItem(id), Qt::Key_Return);
            EXPECT_TRUE(sheet->isVisible()) << id;
        }
        EXPECT_EQ(rows(IDC_READINGS), 4);
        EXPECT_EQ(rows(IDC_TESTS), 1) << "Enter in Tests adds nothing";
        click("Add");
        EXPECT_EQ(rows(IDC_TESTS), 2);
        EXPECT_EQ(rows(IDC_READINGS), 1) << "the next test starts without readings";
    });
    EXPECT_TRUE(told_.empty()) << told_.front();
    const std::string log = readBytes(torqueLogPath());
    EXPECT_EQ(log.substr(0, log.find('\n')),
              "Test,Batch,Date,Type,Width,Strands,Length (in),Weight (g),Winder ratio,Source,Note,"
              "Phase,Turns,Torque (oz-in)");
    EXPECT_NE(log.find(",Spring 26,"), std::string::npos);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4) << "the header and a line a reading";
}

// Import… asks the file dialog and reads the chosen log; Paste reads the clipboard; a log it
// cannot read is told and the readings stay; Print… and Save PDF… go through their seams.
TEST_F(TorqueTestPageTest, ImportPastePrintAndPdfGoThroughTheirSeams) {
    const TempFolder folder;
    const fs::path meterLog = folder.path() / "meter.csv";
    writeBytes(meterLog, "turns,torque (in-oz)\n0,0\n400,6\n800,12\n400,5\n0,0\n");
    const fs::path pdf = folder.path() / "test.pdf";
    std::vector<fs::path> answers{meterLog, pdf};
    platform::setFileDialogHook([&](const platform::FileDialogRequest&) {
        const fs::path answer = answers.front();
        answers.erase(answers.begin());
        return std::optional(answer);
    });
    std::vector<std::vector<std::string>> printed;
    platform::setChartPrintHook([&](const platform::ChartPrintout& page) {
        printed.push_back(page.lines);
        return platform::PrintResult::Printed;
    });
    runSheet([&](QWidget*) {
        activate(TorqueTestPage);
        click("Import…");
        EXPECT_EQ(rows(IDC_READINGS), 6);
        EXPECT_EQ(text(IDC_PEAK_TORQUE), "12.000");
        EXPECT_EQ(text(IDC_PEAK_TURNS), "800");
        platform::SetClipboardText("no readings here\n");
        click("Paste");
        EXPECT_EQ(rows(IDC_READINGS), 6) << "the readings stay";
        ASSERT_EQ(told_.size(), 1U);
        platform::SetClipboardText("0\t0\n100\t2.5\n");
        click("Paste");
        EXPECT_EQ(rows(IDC_READINGS), 3);
        EXPECT_EQ(text(IDC_PEAK_TORQUE), "2.500");
        click("Print…");
        click("Save PDF…");
    });
    ASSERT_EQ(printed.size(), 1U);
    EXPECT_NE(std::find(printed[0].begin(), printed[0].end(), "Energy in: 5.546 J"),
              printed[0].end());
    EXPECT_EQ(readBytes(pdf).substr(0, 5), "%PDF-");
}

} // namespace
} // namespace kestrune::test
