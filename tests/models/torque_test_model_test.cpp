// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/memory_file.h"
#include "models/torque_test_model.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

class TorqueTestModelTest : public ::testing::Test {
protected:
    TorqueTestModel model{state, prefs};
    CalcState state;
    Preferences prefs;

    void typeMotor() {
        TorqueTestTexts texts = model.start();
        texts.batch = "B";
        texts.date = "2026-03-14";
        texts.length = "12";
        texts.weight = "5";
        texts.backOff = "2";
        model.type(texts);
    }
};

// The back-off method: each row's turns are the last less cranks × winder ratio.
TEST_F(TorqueTestModelTest, BackOffFillsEachRowsTurnsAndResultsFollow) {
    typeMotor();
    EXPECT_EQ(model.results().energyOut, "–");
    ASSERT_FALSE(model.addReading("320", "12"));
    EXPECT_EQ(model.nextTurns(), "288");
    ASSERT_FALSE(model.addReading(model.nextTurns(), "9"));
    ASSERT_FALSE(model.addReading(model.nextTurns(), "5"));
    EXPECT_EQ(model.readingsRow(3), "256\t5.000");
    const TorqueResultsView& r = model.results();
    EXPECT_EQ(r.peakTorque, "12.000");
    EXPECT_EQ(r.peakTurns, "320");
    EXPECT_EQ(r.energyIn, "–") << "let down from the wound motor only";
    EXPECT_EQ(r.energyOut, "24.847");
    EXPECT_EQ(r.perWeight, "4.97");
    EXPECT_EQ(r.perWeightFtLbf, "1663");
    EXPECT_EQ(r.meanTorque, "8.750");
    EXPECT_EQ(model.addReading("x", "1"),
              "\"Turns\" takes the motor's turns: a number, 0 or more.");
    TorqueTestTexts texts = model.typed();
    texts.atTorque = "10.5";
    model.type(texts);
    EXPECT_EQ(model.results().turnsAtTorque, "304");
    EXPECT_NE(model.curveDescription().find("energy out 24.847 J"), std::string::npos);
}

TEST_F(TorqueTestModelTest, ATimeLogNeedsTotalTurnsAndSaysItAssumedAConstantRate) {
    typeMotor();
    ASSERT_FALSE(model.readMeterText(",programTime,relativeTime,torque,unit\n0,0,0,0,ozin\n"
                                     "1,1000,0,10,ozin\n2,2000,0,10,ozin\n3,3000,0,8,ozin\n"
                                     "4,4000,0,0,ozin\n"));
    EXPECT_NE(model.readingsNote().find("Read 5 readings"), std::string::npos);
    EXPECT_NE(model.readingsNote().find("\"Total turns\""), std::string::npos);
    EXPECT_EQ(model.results().energyIn, "–");
    TorqueTestTexts texts = model.typed();
    texts.totalTurns = "1000";
    model.type(texts);
    EXPECT_NE(model.readingsNote().find("turns assumed at a constant rate"), std::string::npos);
    EXPECT_EQ(model.results().energyIn, "221.845");
    // Turns 0, 1000, 1000, 500, 0: the fall from 10 to 8 oz-in comes halfway down.
    EXPECT_EQ(model.results().energyOut, "288.399");
    EXPECT_EQ(model.results().hysteresis, "-30.0");
    EXPECT_EQ(model.curve().winding->size(), 2U);
    EXPECT_EQ(model.curve().unwinding->size(), 3U) << "from the peak's last reading on";
    EXPECT_TRUE(model.readMeterText("turns,torque (furlongs)\n1,2\n"));
    EXPECT_EQ(model.readingsRows(), 6) << "a refused file leaves the readings";
}

TEST_F(TorqueTestModelTest, NegativeHysteresisIsShownAndFlagged) {
    typeMotor();
    ASSERT_FALSE(model.readMeterText("0 0\n100 2\n100 2\n0 2\n"));
    EXPECT_EQ(model.results().hysteresis, "-100.0");
    EXPECT_EQ(model.results().hysteresisFlag, TorqueTestModel::kNegativeHysteresis);
}

TEST_F(TorqueTestModelTest, KeptTestsAreAddedSelectedChangedAndDeleted) {
    MemoryFile file("kes-torque.csv");
    ASSERT_TRUE(model.load(file).missing());
    typeMotor();
    EXPECT_EQ(model.testRefusal(), "The test has no readings: add them, import or paste a log.");
    ASSERT_FALSE(model.readMeterText("0,0\n1000,10\n0,0\n"));
    ASSERT_TRUE(model.addTest(file).done());
    EXPECT_EQ(model.readingsRows(), 1) << "the next test starts with no readings";
    EXPECT_EQ(model.testsRow(1), "B\t2026-03-14\tTan II\t1/8\t2\t12.00\t5.00\t3\t44.37\t0.0");
    ASSERT_TRUE(model.select(1));
    EXPECT_EQ(model.typed().length, "12");
    EXPECT_EQ(model.readingsRows(), 4);
    TorqueTestTexts texts = model.typed();
    texts.batch = "B2";
    model.type(texts);
    ASSERT_TRUE(model.changeTest(1, file).done());
    EXPECT_EQ(model.deleteQuestion(1),
              "Delete torque test 1 of batch \"B2\" of 2026-03-14 from the "
              "Torque Test?\n\nIt is removed from kes-torque.csv at once.");
    ASSERT_TRUE(model.deleteTest(1, file).done());
    EXPECT_EQ(model.testsRows(), 1);
    EXPECT_EQ(*file.bytes(), torqueLogHeader() + "\n");
}

TEST_F(TorqueTestModelTest, MillimetreUnitsShowNewtonMillimetresBesideOunceInches) {
    prefs.setUnits(LengthUnit::Millimetre);
    typeMotor();
    ASSERT_FALSE(model.addReading("10", "1"));
    EXPECT_EQ(model.readingsRow(0), "Turns\tTorque (oz-in)\tTorque (N·mm)");
    EXPECT_EQ(model.readingsRow(1), "10\t1.000\t7.06");
    EXPECT_EQ(model.results().peakTorque, "1.000 (7.06 N·mm)");
    EXPECT_TRUE(model.curveDescription().starts_with("Peak torque 1.000 oz-in (7.06 N·mm) at 10 "));
    EXPECT_EQ(model.resultLines().at(0), "Peak torque: 1.000 oz-in (7.06 N·mm) at 10 turns");
    EXPECT_EQ(model.lengthUnit(), "mm");
}

} // namespace
} // namespace kestrune
