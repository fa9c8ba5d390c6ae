// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/resources/dialog_templates.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace kestrune {
namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;
namespace st = platform::style;
namespace ds = platform::dialog_style;

constexpr ControlKind LB = ControlKind::ListBox;
constexpr ControlKind ED = ControlKind::Edit;
constexpr ControlKind PB = ControlKind::PushButton;
constexpr ControlKind DEF = ControlKind::DefPushButton;
constexpr ControlKind CB = ControlKind::AutoCheckBox;
constexpr ControlKind TX = ControlKind::Static;

// One-line input lists of the calculation pages.
constexpr unsigned kInputList =
    st::Border | st::VScroll | st::TabStop | st::Notify | st::NoIntegralHeight;
constexpr unsigned kResultList = st::Border | st::TabStop | st::Notify | st::NoIntegralHeight;
constexpr unsigned kMotorList =
    st::Border | st::VScroll | st::TabStop | st::Notify | st::UseTabStops;
constexpr unsigned kLabel = 0;
constexpr unsigned kTab = st::TabStop;

constexpr unsigned kPage = 0;
constexpr unsigned kCalibDialog = 0;

constexpr std::array<ControlTemplate, 16> kTurns{{
    {IDC_TYPE, LB, "", 15, 20, 60, 10, kInputList},
    {IDC_STATIC, TX, "Type", 15, 10, 17, 8, kLabel},
    {IDC_WIDTH, LB, "", 15, 50, 60, 10, kInputList},
    {IDC_STATIC, TX, "Width", 15, 40, 20, 8, kLabel},
    {IDC_LENGTH, ED, "", 110, 20, 60, 12, st::Border | st::TabStop | st::Number},
    {IDC_STATIC, TX, "Length", 110, 10, 23, 8, kLabel},
    {IDC_TURNS_RESULT, LB, "", 110, 50, 60, 10, kResultList | st::NoSel},
    {IDC_STATIC, TX, "Turns", 110, 40, 19, 8, kLabel},
    {IDC_STRANDS, LB, "", 15, 80, 60, 10, kInputList},
    {IDC_STATIC, TX, "Strands", 15, 70, 25, 8, kLabel},
    {IDC_LIMIT, LB, "", 110, 80, 60, 10, kInputList},
    {IDC_STATIC, TX, "Limit (%)", 110, 70, 26, 8, kLabel},
    {IDC_CALIBRATE, PB, "Calibrate", 200, 20, 60, 14, kTab},
    {IDC_DEFAULT, PB, "Default", 200, 50, 60, 14, kTab},
    {IDC_VORLICK, CB, "Vorlick", 200, 105, 44, 10, kTab},
    {IDC_HELP, PB, "Help", 200, 80, 60, 14, kTab},
}};

constexpr std::array<ControlTemplate, 14> kTorque{{
    {IDC_TYPE, LB, "", 15, 20, 60, 10, kInputList},
    {IDC_WIDTH, LB, "", 15, 50, 60, 10, kInputList},
    {IDC_STRANDS, LB, "", 15, 80, 60, 10, kInputList},
    {IDC_STATIC, TX, "Type", 15, 10, 17, 8, kLabel},
    {IDC_STATIC, TX, "Width", 15, 40, 20, 8, kLabel},
    {IDC_STATIC, TX, "Strands", 15, 70, 25, 8, kLabel},
    {IDC_TORQUE_RESULT, LB, "", 110, 20, 60, 10, kResultList},
    {IDC_STATIC, TX, "Torque", 110, 10, 24, 8, kLabel},
    {IDC_LIMIT, LB, "", 110, 80, 60, 10, kInputList},
    {IDC_STATIC, TX, "Limit (%)", 110, 70, 26, 8, kLabel},
    {IDC_CALIBRATE, PB, "Calibrate", 200, 20, 60, 14, kTab},
    {IDC_DEFAULT, PB, "Defaults", 200, 50, 60, 14, kTab},
    {IDC_VORLICK, CB, "Vorlick", 200, 110, 44, 10, kTab},
    {IDC_HELP, PB, "Help", 200, 80, 60, 14, kTab},
}};

constexpr unsigned kWidthList = st::Border | st::VScroll | st::Notify | st::TabStop;
constexpr unsigned kValueEdit = st::Border | st::TabStop;

constexpr std::array<ControlTemplate, 8> kCalibTurns{{
    {platform::IDOK, DEF, "OK", 10, 55, 50, 14, kTab},
    {platform::IDCANCEL, PB, "Cancel", 75, 55, 50, 14, kTab},
    {IDC_VALUE, ED, "", 75, 25, 50, 14, kValueEdit | st::Number},
    {IDC_WIDTH, LB, "", 10, 25, 50, 15, kWidthList},
    {IDC_STATIC, TX, "Width", 10, 15, 20, 8, kLabel},
    {IDC_STATIC, TX, "Turns/inch", 75, 15, 36, 8, kLabel},
    {IDC_SAVE_VALUE, CB, "Save Value", 140, 25, 53, 10, kTab},
    {IDC_USE_DEFAULT, CB, "Use Default", 140, 45, 53, 10, kTab},
}};

constexpr std::array<ControlTemplate, 8> kCalibTorque{{
    {platform::IDOK, DEF, "OK", 10, 50, 50, 14, kTab},
    {platform::IDCANCEL, PB, "Cancel", 75, 50, 50, 14, kTab},
    {IDC_WIDTH, LB, "", 10, 25, 50, 15, kWidthList},
    {IDC_VALUE, ED, "", 75, 25, 50, 14, kValueEdit},
    {IDC_STATIC, TX, "Width", 10, 15, 20, 8, kLabel},
    {IDC_STATIC, TX, "Torque oz/in", 75, 15, 42, 8, kLabel},
    {IDC_SAVE_VALUE, CB, "Save Value", 140, 25, 53, 10, kTab},
    {IDC_USE_DEFAULT, CB, "Use Default", 140, 45, 53, 10, kTab},
}};

constexpr std::array<ControlTemplate, 3> kSaveData{{
    {IDC_QUESTION, TX, "Save User Data?", 40, 5, 70, 18, kLabel},
    {platform::IDOK, DEF, "Yes", 10, 30, 50, 14, kTab},
    {platform::IDCANCEL, PB, "No", 70, 30, 50, 14, kTab},
}};

// The List page grows with the sheet: the motor list takes the room, the buttons stay beside it,
// the summaries and the Add buttons below it, Help in the corner.
constexpr platform::ControlLayout kGrows{0, 0, 100, 100};
constexpr platform::ControlLayout kBelow{0, 100, 0, 0};
constexpr platform::ControlLayout kBeside{100, 0, 0, 0};
constexpr platform::ControlLayout kCorner{100, 100, 0, 0};

constexpr std::array<ControlTemplate, 14> kList{{
    {IDC_MOTOR_LIST, LB, "", 15, 20, 235, 40, kMotorList, kGrows},
    {IDC_STATIC, TX, "Rubber Motor List", 15, 10, 57, 8, kLabel},
    {IDC_TURNS_SUMMARY, LB, "", 15, 65, 90, 50, kMotorList | st::NoSel, kBelow},
    {IDC_STATIC, TX, "Breaking Turns", 15, 55, 49, 8, kLabel, kBelow},
    {IDC_TORQUE_SUMMARY, LB, "", 155, 65, 95, 50, kMotorList | st::NoSel, kBelow},
    {IDC_STATIC, TX, "BreakingTorque", 155, 55, 52, 8, kLabel, kBelow},
    {IDC_ADD, PB, "Add", 35, 120, 50, 14, kTab, kBelow},
    {IDC_ADDD, PB, "Addd", 175, 120, 50, 14, kTab, kBelow},
    {IDC_DELETE, PB, "Delete", 265, 20, 50, 14, kTab, kBeside},
    {IDC_SAVEAS, PB, "SaveAs", 265, 80, 50, 14, kTab, kBeside},
    {IDC_PRINT, PB, "Print", 265, 40, 50, 14, kTab, kBeside},
    {IDC_SAVE, PB, "Save", 265, 60, 50, 14, kTab, kBeside},
    {IDC_HELP, PB, "Help", 265, 120, 50, 14, kTab, kCorner},
    {IDC_LOAD, PB, "Load", 265, 100, 50, 14, kTab, kBeside},
}};

// The modeller's pages, as large as the largest of the first five.
// Motor Weight: the rubber on the first row, the motor's size on the second, the results below.
constexpr unsigned kDecimalEdit = st::Border | st::TabStop | st::Decimal;
constexpr unsigned kResultEdit = st::Border | st::TabStop | st::ReadOnly;
constexpr std::array<ControlTemplate, 32> kMotorWeight{{
    {IDC_TYPE, LB, "", 10, 20, 60, 10, kInputList},
    {IDC_STATIC, TX, "Type", 10, 10, 60, 8, kLabel},
    {IDC_WIDTH, LB, "", 77, 20, 70, 10, kInputList}, // "1/8 (3.18 mm)" in millimetres
    {IDC_STATIC, TX, "Width", 77, 10, 70, 8, kLabel},
    {IDC_STRANDS, LB, "", 154, 20, 38, 10, kInputList},
    {IDC_STATIC, TX, "Strands", 154, 10, 38, 8, kLabel},
    {IDC_THICKNESS, ED, "", 199, 20, 36, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Thickness", 199, 10, 54, 8, kLabel},
    {IDC_THICKNESS_UNIT, TX, "in", 237, 22, 16, 8, kLabel},
    {IDC_DENSITY, ED, "", 260, 20, 54, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Density (g/cm³)", 260, 10, 54, 8, kLabel},
    {IDC_LENGTH, ED, "", 10, 50, 42, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Length", 10, 40, 60, 8, kLabel},
    {IDC_LENGTH_UNIT, TX, "in", 54, 52, 16, 8, kLabel},
    {IDC_WEIGHT, ED, "", 77, 50, 54, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Weight (g)", 77, 40, 54, 8, kLabel},
    {IDC_CLASS, LB, "", 138, 50, 54, 10, kInputList},
    {IDC_STATIC, TX, "Class", 138, 40, 54, 8, kLabel},
    {IDC_LIMIT, LB, "", 199, 50, 54, 10, kInputList},
    {IDC_STATIC, TX, "Limit (%)", 199, 40, 54, 8, kLabel},
    {IDC_UNITS, LB, "", 260, 50, 54, 10, kInputList},
    {IDC_STATIC, TX, "Units", 260, 40, 54, 8, kLabel},
    {IDC_WEIGHT_TURNS, ED, "", 10, 84, 60, 12, kResultEdit},
    {IDC_STATIC, TX, "Turns", 10, 74, 60, 8, kLabel},
    {IDC_WEIGHT_TORQUE, ED, "", 77, 84, 115, 12, kResultEdit},
    {IDC_STATIC, TX, "Torque", 77, 74, 115, 8, kLabel},
    {IDC_PER_STRAND, ED, "", 199, 84, 54, 12, kResultEdit},
    {IDC_STATIC, TX, "Per strand", 199, 74, 54, 8, kLabel},
    {IDC_CLASS_CHECK, ED, "", 10, 114, 182, 12, kResultEdit},
    {IDC_STATIC, TX, "Class check", 10, 104, 182, 8, kLabel},
    {IDC_WEIGHT_NOTE, TX, "", 10, 131, 243, 9, kLabel}, // why a box or a result is empty
    {IDC_HELP, PB, "Help", 260, 112, 54, 14, kTab},
}};
// Winding: the motor's inputs on the left, the winder's beside them with the buttons below, the
// card on the right with the length to wind at under it. Labels are 9 units high: at a doubled
// font an 8-unit label at some rows rounds a pixel below its line of text.
constexpr unsigned kCard = st::Border | st::VScroll | st::TabStop | st::UseTabStops;
constexpr std::array<ControlTemplate, 24> kWinding{{
    {IDC_TYPE, LB, "", 10, 16, 62, 10, kInputList},
    {IDC_STATIC, TX, "Type", 10, 6, 17, 9, kLabel},
    {IDC_WIDTH, LB, "", 10, 44, 40, 10, kInputList},
    {IDC_STATIC, TX, "Width", 10, 34, 20, 9, kLabel},
    {IDC_STRANDS, LB, "", 10, 72, 40, 10, kInputList},
    {IDC_STATIC, TX, "Strands", 10, 62, 25, 9, kLabel},
    {IDC_LENGTH, ED, "", 10, 100, 40, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Length", 10, 90, 23, 9, kLabel},
    {IDC_LENGTH_UNIT, TX, "inch", 53, 102, 16, 9, kLabel},
    {IDC_VORLICK, CB, "Vorlick", 10, 122, 44, 10, kTab},
    {IDC_WINDER_RATIO, ControlKind::ComboBox, "", 80, 16, 40, 12,
     st::Border | st::TabStop | st::Number},
    {IDC_STATIC, TX, "Winder ratio", 80, 6, 42, 9, kLabel},
    {IDC_STRETCH, LB, "", 80, 44, 32, 10, kInputList},
    {IDC_STATIC, TX, "Stretch", 80, 34, 24, 9, kLabel},
    {IDC_STATIC, TX, "times", 115, 46, 20, 9, kLabel},
    {IDC_CARD, LB, "", 140, 16, 177, 100, kCard},
    {IDC_STATIC, TX, "Card", 140, 6, 17, 9, kLabel},
    {IDC_STRETCHED_LENGTH, ED, "", 140, 130, 70, 12, kResultEdit},
    {IDC_STATIC, TX, "Stretched length", 140, 120, 56, 9, kLabel},
    {IDC_CARD_NOTE, TX, "", 215, 118, 102, 27, kLabel}, // why a column is empty
    {IDC_PRINT, PB, "Print…", 80, 70, 50, 14, kTab},
    {IDC_SAVE_PDF, PB, "Save PDF…", 80, 88, 50, 14, kTab},
    {IDC_COPY, PB, "Copy", 80, 106, 50, 14, kTab},
    {IDC_HELP, PB, "Help", 80, 128, 50, 14, kTab},
}};
// Batch Log: a test is typed in two rows of boxes, below them two tables of a dozen columns each.
// Tables that show a few rows need the page 40 units higher than the List page; they take the
// room a larger sheet gives, the Tests list the upper half of it, the Batches list the lower.
constexpr unsigned kBox = st::Border | st::TabStop;
constexpr unsigned kTable = kMotorList | st::NoIntegralHeight;
constexpr platform::ControlLayout kWide{0, 0, 100, 0};
constexpr platform::ControlLayout kUpperTable{0, 0, 100, 50};
constexpr platform::ControlLayout kLowerTable{0, 50, 100, 50};
constexpr platform::ControlLayout kLower{0, 50, 0, 0};
constexpr platform::ControlLayout kLowerBeside{100, 50, 0, 0};
constexpr platform::ControlLayout kBottom{0, 100, 100, 0};

constexpr std::array<ControlTemplate, 34> kBatchLog{{
    {IDC_BATCH, ControlKind::ComboBox, "", 6, 12, 52, 12, kBox | st::AutoComplete},
    {IDC_STATIC, TX, "Batch", 6, 3, 40, 8, kLabel},
    {IDC_DATE, ED, "", 62, 12, 46, 12, kBox},
    {IDC_STATIC, TX, "Date", 62, 3, 40, 8, kLabel},
    {IDC_TYPE, LB, "", 112, 12, 70, 12, kInputList},
    {IDC_STATIC, TX, "Type", 112, 3, 40, 8, kLabel},
    {IDC_WIDTH, LB, "", 186, 12, 34, 12, kInputList},
    {IDC_STATIC, TX, "Width", 186, 3, 30, 8, kLabel},
    {IDC_TEST_STRANDS, ED, "", 224, 12, 28, 12, kBox | st::Number},
    {IDC_STATIC, TX, "Strands", 224, 3, 28, 8, kLabel},
    {IDC_LENGTH, ED, "", 256, 12, 36, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Length", 256, 3, 36, 8, kLabel},
    {IDC_TEST_TURNS, ED, "", 6, 36, 34, 12, kBox | st::Number},
    {IDC_STATIC, TX, "Turns", 6, 27, 34, 8, kLabel},
    {IDC_TEST_TORQUE, ED, "", 44, 36, 38, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Torque", 44, 27, 38, 8, kLabel},
    {IDC_TEST_WEIGHT, ED, "", 86, 36, 38, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Weight (g)", 86, 27, 38, 8, kLabel},
    {IDC_NOTE, ED, "", 128, 36, 80, 12, kBox, kWide},
    {IDC_STATIC, TX, "Note", 128, 27, 40, 8, kLabel},
    {IDC_ADD, PB, "Add", 212, 35, 52, 14, kTab, kBeside},
    {IDC_CHANGE, PB, "Change", 268, 35, 54, 14, kTab, kBeside},
    {IDC_TESTS, LB, "", 6, 60, 258, 58, kTable, kUpperTable},
    {IDC_STATIC, TX, "Tests", 6, 51, 40, 8, kLabel},
    {IDC_DELETE, PB, "Delete", 268, 60, 54, 14, kTab, kBeside},
    {IDC_COPY_TESTS, PB, "Copy", 268, 77, 54, 14, kTab, kBeside},
    {IDC_HELP, PB, "Help", 268, 94, 54, 14, kTab, kBeside},
    {IDC_BATCHES, LB, "", 6, 130, 258, 42, kTable, kLowerTable},
    {IDC_STATIC, TX, "Batches", 6, 121, 40, 9, kLabel, kLower},
    {IDC_USE_STATUS, TX, "", 6, 175, 258, 9, kLabel, kBottom}, // what Use did
    {IDC_SAVE_VALUE, CB, "Save Value", 268, 121, 54, 10, kTab, kLowerBeside},
    {IDC_USE, PB, "Use", 268, 133, 54, 14, kTab, kLowerBeside},
    {IDC_USE_DENSITY, PB, "Use density", 268, 150, 54, 14, kTab, kLowerBeside},
    {IDC_COPY_BATCHES, PB, "Copy", 268, 167, 54, 14, kTab, kLowerBeside},
}};

// Torque Test: the test's boxes across the top with Add, Change and Delete; a reading's boxes and
// the readings on the left, the curve on the right; the results in two rows under them, the kept
// tests at the foot. The page is wider than the others, as wide as the sheet's tabs make it anyway,
// and 304 units high for a curve that can be read.
constexpr std::array<ControlTemplate, 70> kTorqueTest{{
    {IDC_BATCH, ED, "", 6, 12, 56, 12, kBox},
    {IDC_STATIC, TX, "Batch", 6, 3, 40, 8, kLabel},
    {IDC_DATE, ED, "", 66, 12, 46, 12, kBox},
    {IDC_STATIC, TX, "Date", 66, 3, 40, 8, kLabel},
    {IDC_TYPE, LB, "", 116, 12, 66, 12, kInputList},
    {IDC_STATIC, TX, "Type", 116, 3, 40, 8, kLabel},
    {IDC_WIDTH, LB, "", 186, 12, 32, 12, kInputList},
    {IDC_STATIC, TX, "Width", 186, 3, 30, 8, kLabel},
    {IDC_TEST_STRANDS, ED, "", 222, 12, 28, 12, kBox | st::Number},
    {IDC_STATIC, TX, "Strands", 222, 3, 28, 8, kLabel},
    {IDC_LENGTH, ED, "", 254, 12, 34, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Length", 254, 3, 34, 8, kLabel},
    {IDC_LENGTH_UNIT, TX, "inch", 290, 14, 18, 9, kLabel},
    {IDC_TEST_WEIGHT, ED, "", 312, 12, 40, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Weight (g)", 312, 3, 40, 8, kLabel},
    {IDC_TEST_WINDER_RATIO, ED, "", 356, 12, 50, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Winder ratio", 356, 3, 50, 8, kLabel},
    {IDC_NOTE, ED, "", 6, 36, 258, 12, kBox},
    {IDC_STATIC, TX, "Note", 6, 27, 40, 8, kLabel},
    {IDC_ADD, PB, "Add", 268, 35, 40, 14, kTab},
    {IDC_CHANGE, PB, "Change", 312, 35, 48, 14, kTab},
    {IDC_DELETE, PB, "Delete", 364, 35, 48, 14, kTab},
    {IDC_READING_TURNS, ED, "", 6, 60, 40, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Turns", 6, 51, 40, 8, kLabel},
    {IDC_READING_TORQUE, ED, "", 50, 60, 44, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Torque", 50, 51, 44, 8, kLabel},
    {IDC_ADD_READING, PB, "Add reading", 98, 59, 60, 14, kTab},
    {IDC_BACK_OFF, ED, "", 6, 84, 40, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Back-off", 6, 75, 40, 8, kLabel},
    {IDC_TOTAL_TURNS, ED, "", 50, 84, 44, 12, kDecimalEdit},
    {IDC_STATIC, TX, "Total turns", 50, 75, 44, 8, kLabel},
    {IDC_IMPORT, PB, "Import…", 98, 83, 46, 14, kTab},
    {IDC_PASTE, PB, "Paste", 148, 83, 40, 14, kTab},
    {IDC_READINGS, LB, "", 6, 108, 182, 70, kTable},
    {IDC_STATIC, TX, "Readings", 6, 99, 60, 8, kLabel},
    {IDC_CURVE, ControlKind::Chart, "Torque curve", 194, 51, 220, 127, kTab},
    {IDC_PEAK_TORQUE, ED, "", 6, 191, 60, 12, kResultEdit},
    {IDC_STATIC, TX, "Peak torque", 6, 182, 60, 8, kLabel},
    {IDC_STATIC, TX, "oz-in", 68, 193, 22, 9, kLabel},
    {IDC_PEAK_TURNS, ED, "", 94, 191, 52, 12, kResultEdit},
    {IDC_STATIC, TX, "Turns at peak", 94, 182, 52, 8, kLabel},
    {IDC_ENERGY_IN, ED, "", 150, 191, 36, 12, kResultEdit},
    {IDC_STATIC, TX, "Energy in", 150, 182, 44, 8, kLabel},
    {IDC_STATIC, TX, "J", 188, 193, 6, 9, kLabel},
    {IDC_ENERGY_OUT, ED, "", 198, 191, 40, 12, kResultEdit},
    {IDC_STATIC, TX, "Energy out", 198, 182, 48, 8, kLabel},
    {IDC_STATIC, TX, "J", 240, 193, 6, 9, kLabel},
    {IDC_MEAN_TORQUE, ED, "", 250, 191, 60, 12, kResultEdit},
    {IDC_STATIC, TX, "Mean torque", 250, 182, 60, 8, kLabel},
    {IDC_STATIC, TX, "oz-in", 312, 193, 22, 9, kLabel},
    {IDC_HYSTERESIS, ED, "", 338, 191, 36, 12, kResultEdit},
    {IDC_STATIC, TX, "Hysteresis", 338, 182, 48, 8, kLabel},
    {IDC_STATIC, TX, "%", 376, 193, 8, 9, kLabel},
    {IDC_PER_WEIGHT, ED, "", 6, 215, 40, 12, kResultEdit},
    {IDC_STATIC, TX, "Per weight", 6, 206, 44, 8, kLabel},
    {IDC_STATIC, TX, "J/g", 48, 217, 14, 9, kLabel},
    {IDC_PER_WEIGHT_FTLBF, ED, "", 66, 215, 88, 12, kResultEdit},
    {IDC_STATIC, TX, "Per weight (ft-lbf/lb)", 66, 206, 88, 8, kLabel},
    {IDC_AT_TORQUE, ED, "", 160, 215, 40, 12, kDecimalEdit},
    {IDC_STATIC, TX, "At torque", 160, 206, 40, 8, kLabel},
    {IDC_STATIC, TX, "oz-in", 202, 217, 22, 9, kLabel},
    {IDC_TURNS_AT_TORQUE, ED, "", 228, 215, 60, 12, kResultEdit},
    {IDC_STATIC, TX, "Turns at torque", 228, 206, 60, 8, kLabel},
    {IDC_HYSTERESIS_FLAG, TX, "", 294, 206, 120, 20, kLabel}, // a hysteresis below 0
    {IDC_READINGS_NOTE, TX, "", 6, 230, 408, 18, kLabel},     // how the readings were read
    {IDC_TESTS, LB, "", 6, 258, 358, 43, kTable},
    {IDC_STATIC, TX, "Tests", 6, 248, 40, 9, kLabel},
    {IDC_PRINT, PB, "Print…", 370, 258, 44, 14, kTab},
    {IDC_SAVE_PDF, PB, "Save PDF…", 370, 273, 44, 14, kTab},
    {IDC_HELP, PB, "Help", 370, 288, 44, 14, kTab},
}};

constexpr std::array<DialogTemplate, 12> kTemplates{{
    {IDD_TURNS, "Breaking Turns", 272, 135, kPage, kTurns},
    {IDD_TORQUE, "Breaking Torque", 272, 135, kPage, kTorque},
    {IDD_TEST, "Test", 186, 95, kPage, {}},
    {IDD_CALIB_TURNS, "Calibrate Turns", 202, 82, kCalibDialog, kCalibTurns},
    {IDD_CALIB_TORQUE, "Calibrate Torque", 202, 81, kCalibDialog, kCalibTorque},
    {IDD_SAVE_DATA, "", 132, 57, ds::NoTitle, kSaveData},
    {IDD_LIST, "List", 327, 146, kPage, kList},
    {IDD_OPTIONS, "Options", 186, 95, kPage, {}},
    {IDD_MOTOR_WEIGHT, "Motor Weight", 327, 146, kPage, kMotorWeight},
    {IDD_WINDING, "Winding", 327, 146, kPage, kWinding},
    {IDD_BATCH_LOG, "Batch Log", 327, 186, kPage, kBatchLog},
    {IDD_TORQUE_TEST, "Torque Test", 420, 304, 0, kTorqueTest},
}};

} // namespace

const platform::DialogTemplate& dialogTemplate(int id) {
    for (const DialogTemplate& tmpl : kTemplates) {
        if (tmpl.id == id) {
            return tmpl;
        }
    }
    std::fprintf(stderr, "kestrune: no dialog template %d\n", id);
    std::abort();
}

} // namespace kestrune
