// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/number_text.h"
#include "files/file_io.h"
#include "platform/seams.h"
#include "tests/support/case_name.h"
#include "tests/support/program_files.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/page_sheet.h"
#include "ui/CMotorApp.h"
#include "ui/resources/dialog_templates.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <vector>

namespace kestrune::test {
namespace {

using namespace platform;
using test::PrintTo;

// What makes a calibration dialog the turns or the torque one, as a user sees it.
struct Dialog {
    const char* name;
    PageIndex page;
    const char* valueLabel;
    double CalcState::*constant;
    std::array<double, 3> CalibrationTable::*column;
};

const Dialog kTurnsDialog{"turns", TurnsPage, "Turns/inch", &CalcState::turnsConstant,
                          &CalibrationTable::turns};
const Dialog kTorqueDialog{"torque", TorquePage, "Torque oz/in", &CalcState::torqueConstant,
                           &CalibrationTable::torque};

class CalibrationDialogs : public PageSheetTest {
protected:
    // Opens the page's calibration dialog from its Calibrate button and answers it with body.
    void calibrate(QWidget* sheet, const Dialog& d, const std::function<void(QWidget*)>& body) {
        activate(d.page);
        answerNextModal([&](QWidget* dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            body(dialog);
        });
        clickButton(sheet, "Calibrate");
        EXPECT_EQ(pendingModalAnswers(), 0);
    }
    static QLineEdit* valueEdit(QWidget* dialog, const Dialog& d) {
        return qobject_cast<QLineEdit*>(findByAccessibleName(dialog, d.valueLabel));
    }
    static void enterValue(QWidget* dialog, const Dialog& d, const QString& text) {
        QLineEdit* edit = valueEdit(dialog, d);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, text);
    }
    static void stepWidth(QWidget* dialog, int steps) {
        QWidget* list = findByAccessibleName(dialog, "Width");
        list->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(list, steps < 0 ? Qt::Key_Up : Qt::Key_Down);
    }
};

struct OpenCase {
    const char* name;
    Dialog dialog;
    double constant;
    int widthSteps; // from "1/8"
    const char* shown;
    double stored;
};

class CalibrationOkAtOnce : public CalibrationDialogs,
                            public ::testing::WithParamInterface<OpenCase> {};

// The displayed constant is the measurement: OK at once stores it, rounded as shown, scaled
// by the width's factor.
TEST_P(CalibrationOkAtOnce, StoresTheShownConstantAsMeasurement) {
    const OpenCase& c = GetParam();
    runSheet([&](QWidget* sheet) {
        activate(c.dialog.page);
        calcState().*c.dialog.constant = c.constant;
        calibrate(sheet, c.dialog, [&](QWidget* dialog) {
            EXPECT_EQ(valueEdit(dialog, c.dialog)->text().toStdString(), c.shown);
            stepWidth(dialog, c.widthSteps);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
    });
    EXPECT_NEAR(calcState().*c.dialog.constant, c.stored, 1e-9);
    EXPECT_NEAR((calcState().table.*c.dialog.column)[TanII], c.stored, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalibrationOkAtOnce,
    ::testing::Values(OpenCase{"turns_rounds_to_whole", kTurnsDialog, 107.4, 0, "107", 107},
                      OpenCase{"turns_at_quarter_inch", kTurnsDialog, 107.4, 2, "107",
                               107 * std::sqrt(2.0)},
                      OpenCase{"torque_rounds_to_hundredths", kTorqueDialog, 2.704, 0, "2.70", 2.7},
                      OpenCase{"torque_at_three_sixteenths", kTorqueDialog, 2.7, 1, "2.70",
                               2.7 / std::pow(1.5, 1.5)}),
    CaseName());

struct DefaultCase {
    const char* name;
    Dialog dialog;
    int type;
    const char* typed;
    const char* defaultShown;
    const char* restored;
};

class UseDefault : public CalibrationDialogs, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(UseDefault, ShowsTheDefaultAndGivesTheTypedValueBack) {
    const DefaultCase& c = GetParam();
    const double before = 42;
    runSheet([&](QWidget* sheet) {
        activate(c.dialog.page);
        chooseEntry(c.dialog.page == TurnsPage ? static_cast<CWnd&>(turns_) : torque_, IDC_TYPE,
                    c.type);
        calcState().*c.dialog.constant = before;
        calibrate(sheet, c.dialog, [&](QWidget* dialog) {
            enterValue(dialog, c.dialog, c.typed);
            QAbstractButton* useDefault = findButton(dialog, "Use Default");
            QTest::mouseClick(useDefault, Qt::LeftButton);
            EXPECT_EQ(valueEdit(dialog, c.dialog)->text().toStdString(), c.defaultShown);
            QTest::mouseClick(useDefault, Qt::LeftButton);
            EXPECT_EQ(valueEdit(dialog, c.dialog)->text().toStdString(), c.restored);
            clickButton(dialog, "Cancel");
        });
    });
    EXPECT_EQ(calcState().*c.dialog.constant, before) << "ticking changes no constant";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UseDefault,
    ::testing::Values(
        DefaultCase{"turns_tan_ii", kTurnsDialog, TanII, "12", "107", "12"},
        DefaultCase{"torque_tan_ii", kTorqueDialog, TanII, "1.234", "2.70", "1.23"},
        DefaultCase{"turns_uncalibrated_type", kTurnsDialog, TanSuperSport, "80", "0", "80"},
        DefaultCase{"torque_uncalibrated_type", kTorqueDialog, TanSport, "1.5", "0.00", "1.50"}),
    CaseName());

TEST_F(CalibrationDialogs, UseDefaultThenOkInstallsTheDefault) {
    writeFileAtomically(settingsFilePath(), "120\n0\n0\n2.70\n0.00\n0.00\n");
    runSheet([&](QWidget* sheet) {
        calibrate(sheet, kTurnsDialog, [&](QWidget* dialog) {
            QTest::mouseClick(findButton(dialog, "Use Default"), Qt::LeftButton);
            clickButton(dialog, "OK");
        });
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), "60");
    });
    EXPECT_EQ(calcState().turnsConstant, 107);
    EXPECT_EQ(calcState().table.turns[TanII], 107);
}

TEST_F(CalibrationDialogs, EnteringTheValueEmptiesItAndEmptyMeansZero) {
    runSheet([&](QWidget* sheet) {
        calibrate(sheet, kTurnsDialog, [&](QWidget* dialog) {
            QTest::mouseClick(findButton(dialog, "Use Default"), Qt::LeftButton);
            QTest::mouseClick(valueEdit(dialog, kTurnsDialog), Qt::LeftButton);
            EXPECT_TRUE(valueEdit(dialog, kTurnsDialog)->text().isEmpty());
            clickButton(dialog, "OK");
        });
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), "Undefined");
    });
    EXPECT_EQ(calcState().turnsConstant, 0);
    EXPECT_EQ(calcState().table.turns[TanII], 0);
}

// F1 opens the help beside the dialog; coming back to the dialog is no new entry into the value.
TEST_F(CalibrationDialogs, TheValueTypedSurvivesTheHelpAndTheReturn) {
    CMotorApp app;
    app.m_pMainWnd = &sheet_;
    runSheet([&](QWidget* sheet) {
        calibrate(sheet, kTorqueDialog, [&](QWidget* dialog) {
            enterValue(dialog, kTorqueDialog, "3.1");
            QTest::keyClick(valueEdit(dialog, kTorqueDialog), Qt::Key_F1);
            bringToFront(shownHelp());
            bringToFront(dialog);
            EXPECT_EQ(valueEdit(dialog, kTorqueDialog)->text(), QStringLiteral("3.1"));
            clickButton(dialog, "OK");
        });
    });
    app.m_pMainWnd = nullptr;
    EXPECT_EQ(calcState().torqueConstant, 3.1);
}

TEST_F(CalibrationDialogs, TurnsValueTakesDigitsOnlyTorqueAnyText) {
    runSheet([&](QWidget* sheet) {
        calibrate(sheet, kTurnsDialog, [&](QWidget* dialog) {
            enterValue(dialog, kTurnsDialog, "114.8");
            EXPECT_EQ(valueEdit(dialog, kTurnsDialog)->text(), QStringLiteral("114"));
            EXPECT_EQ(valueEdit(dialog, kTurnsDialog)->findChild<QLabel*>()->text().toStdString(),
                      "Whole turns per inch only: the part after the point is not taken.");
            clickButton(dialog, "OK");
        });
        EXPECT_EQ(calcState().turnsConstant, 114);
        calibrate(sheet, kTorqueDialog, [&](QWidget* dialog) {
            enterValue(dialog, kTorqueDialog, "-1.5x9");
            EXPECT_EQ(valueEdit(dialog, kTorqueDialog)->text(), QStringLiteral("-1.5x9"));
            clickButton(dialog, "OK");
        });
        EXPECT_EQ(calcState().torqueConstant, -1.5) << "read as far as it is a number";
    });
}

TEST_F(CalibrationDialogs, CancelChangesNothingButThePageRecomputes) {
    runSheet([&](QWidget* sheet) {
        const int lines = lineCount(turns_, IDC_TURNS_RESULT);
        calibrate(sheet, kTurnsDialog, [&](QWidget* dialog) {
            stepWidth(dialog, 2);
            enterValue(dialog, kTurnsDialog, "55");
            QTest::mouseClick(findButton(dialog, "Use Default"), Qt::LeftButton);
            QTest::mouseClick(findButton(dialog, "Save Value"), Qt::LeftButton);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        EXPECT_EQ(lineCount(turns_, IDC_TURNS_RESULT), lines + 1);
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT), "60");
    });
    EXPECT_EQ(calcState().turnsConstant, 107);
    EXPECT_EQ(calcState().table.turns[TanII], 107);
    EXPECT_FALSE(std::filesystem::exists(settingsFilePath()));
}

TEST_F(CalibrationDialogs, SaveValueWritesTheSettingsOnlyWhenTickedAtOk) {
    runSheet([&](QWidget* sheet) {
        calibrate(sheet, kTurnsDialog, [&](QWidget* dialog) {
            QTest::mouseClick(findButton(dialog, "Save Value"), Qt::LeftButton);
            QTest::mouseClick(findButton(dialog, "Save Value"), Qt::LeftButton);
            enterValue(dialog, kTurnsDialog, "99");
            clickButton(dialog, "OK");
        });
        EXPECT_FALSE(std::filesystem::exists(settingsFilePath()));
        calibrate(sheet, kTorqueDialog, [&](QWidget* dialog) {
            enterValue(dialog, kTorqueDialog, "3.1");
            QTest::mouseClick(findButton(dialog, "Save Value"), Qt::LeftButton);
            clickButton(dialog, "OK");
        });
        // The whole table goes, the earlier unsaved turns calibration included.
        EXPECT_EQ(readBytes(settingsFilePath()), "99\n0\n0\n3.10\n0.00\n0.00\n");
        EXPECT_NE(readBytes(preferencesFilePath())
                      .find("\ntorque-constant.1=" + formatShortest(calcState().table.torque[0])),
                  std::string::npos);
        calibrate(sheet, kTorqueDialog, [&](QWidget* dialog) {
            EXPECT_FALSE(findButton(dialog, "Save Value")->isChecked()) << "unticked each time";
            clickButton(dialog, "Cancel");
        });
    });
}

TEST_F(CalibrationDialogs, AFailedSaveIsToldAndTheConstantStaysInEffect) {
    writeFileAtomically(settingsFilePath(), "107\n0\n0\n2.70\n0.00\n0.00\n");
    std::filesystem::permissions(settingsFilePath(), std::filesystem::perms::owner_read);
    std::vector<std::string> messages;
    setMessageHook([&](const std::string&, const std::string& text) { messages.push_back(text); });
    runSheet([&](QWidget* sheet) {
        calibrate(sheet, kTurnsDialog, [&](QWidget* dialog) {
            enterValue(dialog, kTurnsDialog, "88");
            QTest::mouseClick(findButton(dialog, "Save Value"), Qt::LeftButton);
            clickButton(dialog, "OK");
        });
    });
    setMessageHook({});
    std::filesystem::permissions(settingsFilePath(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_NE(messages[0].find(settingsFilePath().string()), std::string::npos);
    EXPECT_NE(messages[0].find("read-only"), std::string::npos) << messages[0];
    EXPECT_EQ(calcState().turnsConstant, 88);
    EXPECT_EQ(readBytes(settingsFilePath()), "107\n0\n0\n2.70\n0.00\n0.00\n");
    EXPECT_FALSE(std::filesystem::exists(preferencesFilePath())) << "nothing beside the old file";
}

struct RefusedCase {
    const char* name;
    Dialog dialog;
    std::string typed;
    int widthSteps;                  // from "1/8"
    bool unreadableSettings = false; // kes.cfg could not be read at start
};

class RefusedCalibration : public CalibrationDialogs,
                           public ::testing::WithParamInterface<RefusedCase> {};

// A constant that would not be a finite number ("inf" on the page, 0 after the next start) is
// refused: the user is told, the dialog stays open, nothing changes and nothing is saved.
TEST_P(RefusedCalibration, TellsTheUserAndChangesNothing) {
    const RefusedCase& c = GetParam();
    if (c.unreadableSettings)
        std::filesystem::create_directory(settingsFilePath());
    const auto kind = std::filesystem::symlink_status(settingsFilePath()).type();
    std::vector<std::string> messages;
    setMessageHook([&](const std::string&, const std::string& text) { messages.push_back(text); });
    // No question about replacing kes.cfg comes before the refusal: nothing would be written.
    runSheet([&](QWidget* sheet) {
        activate(c.dialog.page);
        const double before = calcState().*c.dialog.constant;
        calibrate(sheet, c.dialog, [&](QWidget* dialog) {
            enterValue(dialog, c.dialog, QString::fromStdString(c.typed));
            stepWidth(dialog, c.widthSteps);
            QTest::mouseClick(findButton(dialog, "Save Value"), Qt::LeftButton);
            clickButton(dialog, "OK");
            EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
            clickButton(dialog, "Cancel");
        });
        EXPECT_EQ(calcState().*c.dialog.constant, before);
        EXPECT_EQ((calcState().table.*c.dialog.column)[TanII],
                  (kDefaultCalibration.*c.dialog.column)[TanII]);
    });
    setMessageHook({});
    EXPECT_EQ(messages.size(), c.unreadableSettings ? 2U : 1U);
    EXPECT_EQ(std::filesystem::symlink_status(settingsFilePath()).type(), kind);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedCalibration,
    ::testing::Values(RefusedCase{"torque_beyond_any_double", kTorqueDialog, "1e309", 0},
                      RefusedCase{"turns_of_320_digits", kTurnsDialog, std::string(320, '9'), 0},
                      RefusedCase{"torque_scaled_past_any_double", kTorqueDialog, "1e308", -2},
                      RefusedCase{"over_an_unreadable_settings_file", kTorqueDialog, "1e309", 0,
                                  true}),
    CaseName());

TEST_F(CalibrationDialogs, F1AsksForTheCalibrationTopic) {
    std::vector<unsigned long> topics;
    setHelpHook([&](unsigned long context) { topics.push_back(context); });
    CMotorApp app;
    app.m_pMainWnd = &sheet_;
    runSheet([&](QWidget* sheet) {
        for (const Dialog& d : {kTurnsDialog, kTorqueDialog}) {
            calibrate(sheet, d, [&](QWidget* dialog) {
                QTest::keyClick(findButton(dialog, "OK"), Qt::Key_F1);
                clickButton(dialog, "Cancel");
            });
        }
    });
    app.m_pMainWnd = nullptr;
    setHelpHook({});
    EXPECT_EQ(topics, (std::vector<unsigned long>{2, 3}));
}

} // namespace
} // namespace kestrune::test
