// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Ids of the dialog templates and their controls, and the templates themselves.

#include "platform/dialog_template.h"
#include "platform/win_constants.h"

namespace kestrune {

// Templates.
inline constexpr int IDD_TURNS = 130;
inline constexpr int IDD_TORQUE = 131;
inline constexpr int IDD_TEST = 132;
inline constexpr int IDD_CALIB_TURNS = 133;
inline constexpr int IDD_CALIB_TORQUE = 134;
inline constexpr int IDD_SAVE_DATA = 137;
inline constexpr int IDD_LIST = 138;
inline constexpr int IDD_OPTIONS = 139;
// The modeller's pages, after Options.
inline constexpr int IDD_MOTOR_WEIGHT = 140;
inline constexpr int IDD_WINDING = 141;
inline constexpr int IDD_BATCH_LOG = 142;
inline constexpr int IDD_TORQUE_TEST = 143;

// Controls. The OK and Cancel buttons (also Yes and No) are platform::IDOK and IDCANCEL.
inline constexpr int IDC_STATIC = -1;
inline constexpr int IDC_TYPE = 1000;
inline constexpr int IDC_WIDTH = 1001;
inline constexpr int IDC_LENGTH = 1003;
inline constexpr int IDC_TURNS_RESULT = 1004;
inline constexpr int IDC_TURNS_SUMMARY = IDC_TURNS_RESULT; // the same id on the List page
inline constexpr int IDC_STRANDS = 1005;
inline constexpr int IDC_TORQUE_RESULT = 1009;
inline constexpr int IDC_TORQUE_SUMMARY = IDC_TORQUE_RESULT; // the same id on the List page
inline constexpr int IDC_LIMIT = 1010;
inline constexpr int IDC_CALIBRATE = 1013;
inline constexpr int IDC_VALUE = 1014;
inline constexpr int IDC_DEFAULT = 1017;
inline constexpr int IDC_USE_DEFAULT = IDC_DEFAULT; // "Use Default" in the calibration dialogs
inline constexpr int IDC_QUESTION = 1024;
inline constexpr int IDC_VORLICK = 1025;
inline constexpr int IDC_MOTOR_LIST = 1027;
inline constexpr int IDC_ADD = 1030;
inline constexpr int IDC_ADDD = 1031;
inline constexpr int IDC_HELP = 1032;
inline constexpr int IDC_DELETE = 1034;
inline constexpr int IDC_SAVEAS = 1035;
inline constexpr int IDC_PRINT = 1036;
inline constexpr int IDC_SAVE = 1037;
inline constexpr int IDC_SAVE_VALUE = IDC_SAVE; // "Save Value" in the calibration dialogs
inline constexpr int IDC_LOAD = 1040;
// The modeller's pages keep to ranges of their own: Motor Weight 1100-1129, Winding 1130-1159,
// Batch Log 1160-1199. A page may reuse the ids above for controls of the same role.
// Motor Weight.
inline constexpr int IDC_WEIGHT = 1100;
inline constexpr int IDC_CLASS = 1101;
inline constexpr int IDC_THICKNESS = 1102;
inline constexpr int IDC_DENSITY = 1103;
inline constexpr int IDC_UNITS = 1104;
inline constexpr int IDC_WEIGHT_TURNS = 1105;
inline constexpr int IDC_WEIGHT_TORQUE = 1106;
inline constexpr int IDC_PER_STRAND = 1107;
inline constexpr int IDC_CLASS_CHECK = 1108;
inline constexpr int IDC_WEIGHT_NOTE = 1109;
inline constexpr int IDC_THICKNESS_UNIT = 1110;
// Winding.
inline constexpr int IDC_WINDER_RATIO = 1130;
inline constexpr int IDC_STRETCH = 1131;
inline constexpr int IDC_CARD = 1132;
inline constexpr int IDC_STRETCHED_LENGTH = 1133;
inline constexpr int IDC_LENGTH_UNIT = 1134;
inline constexpr int IDC_SAVE_PDF = 1135;
inline constexpr int IDC_COPY = 1136;
inline constexpr int IDC_CARD_NOTE = 1137;
// Batch Log: a test's boxes, the Tests and Batches lists and what applies a batch.
inline constexpr int IDC_BATCH = 1160;
inline constexpr int IDC_DATE = 1161;
inline constexpr int IDC_TEST_STRANDS = 1162; // a box: tests may have any count from 1 to 99
inline constexpr int IDC_TEST_TURNS = 1163;
inline constexpr int IDC_TEST_TORQUE = 1164;
inline constexpr int IDC_TEST_WEIGHT = 1165;
inline constexpr int IDC_NOTE = 1166;
inline constexpr int IDC_TESTS = 1167;
inline constexpr int IDC_BATCHES = 1168;
inline constexpr int IDC_USE = 1169;
inline constexpr int IDC_USE_DENSITY = 1170;
inline constexpr int IDC_CHANGE = 1171;
inline constexpr int IDC_COPY_TESTS = 1172;
inline constexpr int IDC_COPY_BATCHES = 1173;
inline constexpr int IDC_USE_STATUS = 1174;
// Torque Test, 1200-1239: a reading's boxes, the readings, the curve and its results. The test's
// own boxes and the Tests list are the Batch Log's.
inline constexpr int IDC_READING_TURNS = 1200;
inline constexpr int IDC_READING_TORQUE = 1201;
inline constexpr int IDC_ADD_READING = 1202;
inline constexpr int IDC_BACK_OFF = 1203;
inline constexpr int IDC_TOTAL_TURNS = 1204;
inline constexpr int IDC_IMPORT = 1205;
inline constexpr int IDC_PASTE = 1206;
inline constexpr int IDC_READINGS = 1207;
inline constexpr int IDC_CURVE = 1208;
inline constexpr int IDC_PEAK_TORQUE = 1209;
inline constexpr int IDC_PEAK_TURNS = 1210;
inline constexpr int IDC_ENERGY_IN = 1211;
inline constexpr int IDC_ENERGY_OUT = 1212;
inline constexpr int IDC_MEAN_TORQUE = 1213;
inline constexpr int IDC_HYSTERESIS = 1214;
inline constexpr int IDC_PER_WEIGHT = 1215;
inline constexpr int IDC_PER_WEIGHT_FTLBF = 1216;
inline constexpr int IDC_AT_TORQUE = 1217;
inline constexpr int IDC_TURNS_AT_TORQUE = 1218;
inline constexpr int IDC_READINGS_NOTE = 1219;
inline constexpr int IDC_HYSTERESIS_FLAG = 1220;
inline constexpr int IDC_TEST_WINDER_RATIO = 1222; // a box: any ratio above 0, as the meter's

// The template with the id; an unknown id is a programming error and ends the program.
const platform::DialogTemplate& dialogTemplate(int id);

} // namespace kestrune
