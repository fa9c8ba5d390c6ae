// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/torque_energy.h"
#include "tests/support/case_name.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace kestrune {
namespace {

using test::PrintTo;

struct EnergyCase {
    const char* name;
    std::vector<TorqueReading> readings;
    std::optional<double> peak, energyIn, energyOut, hysteresis, meanTorque;
};

// Worked by hand: a straight line from 0 to Q over N turns stores π Q N oz-in × turns.
const EnergyCase kShapes[] = {
    {"StraightLineWoundStoresPiQN", {{0, 0}, {1000, 10}}, 10, 221.84519257823783, {}, {}, {}},
    {"RectangleLetDownGivesTwoPiQN", {{500, 5}, {0, 5}}, 5, {}, 110.92259628911891, {}, 5},
    {"WoundAndLetDownTheSameWayLosesNothing",
     {{0, 0}, {1000, 10}, {0, 0}},
     10,
     221.84519257823783,
     221.84519257823783,
     0,
     5},
    {"OutAboveInGivesNegativeHysteresis",
     {{0, 0}, {100, 2}, {100, 2}, {0, 2}},
     2,
     4.436903851564755,
     8.87380770312951,
     -1,
     2},
    {"SingleReadingGivesOnlyThePeak", {{300, 4}}, 4, {}, {}, {}, {}},
    {"AllAtTheSameTurnsGiveNoEnergy", {{300, 4}, {300, 6}, {300, 5}}, 6, {}, {}, {}, {}},
    {"TareBelowZeroIsNoPeak", {{0, -0.1}, {0, -0.2}}, {}, {}, {}, {}, {}},
    {"NoReadings", {}, {}, {}, {}, {}, {}},
    {"OverflowIsNoNumber", {{0, 1e308}, {1e308, 1e308}}, 1e308, {}, {}, {}, {}},
};

class TorqueEnergyOfShapes : public ::testing::TestWithParam<EnergyCase> {};

TEST_P(TorqueEnergyOfShapes, GiveTheirWorkedFigures) {
    const EnergyCase& c = GetParam();
    const TorqueEnergy energy = torqueEnergy(c.readings);
    const auto near = [](std::optional<double> got, std::optional<double> want, const char* what) {
        ASSERT_EQ(got.has_value(), want.has_value()) << what;
        if (want) {
            EXPECT_NEAR(*got, *want, 1e-9 * (1 + std::abs(*want))) << what;
        }
    };
    near(energy.peakTorque, c.peak, "peak");
    near(energy.energyIn, c.energyIn, "in");
    near(energy.energyOut, c.energyOut, "out");
    near(energy.hysteresis, c.hysteresis, "hysteresis");
    near(energy.meanTorque, c.meanTorque, "mean torque");
}

INSTANTIATE_TEST_SUITE_P(Shapes, TorqueEnergyOfShapes, ::testing::ValuesIn(kShapes),
                         test::CaseName());

TEST(TorqueEnergy, PerWeightAndTurnsAtATorque) {
    EXPECT_NEAR(*energyPerGram(110.92259628911891, 10), 11.092259628911892, 1e-12);
    EXPECT_NEAR(footPoundsPerPound(7.5), 2509.14, 0.01);
    EXPECT_FALSE(energyPerGram(110.9, 0));
    const std::vector<TorqueReading> down{{100, 10}, {50, 4}, {0, 0}};
    EXPECT_DOUBLE_EQ(*turnsAtTorque(down, 0, 7), 75) << "between the first two readings";
    EXPECT_DOUBLE_EQ(*turnsAtTorque(down, 0, 4), 50) << "at a reading";
    EXPECT_FALSE(turnsAtTorque(down, 0, 11)) << "above where it starts";
    EXPECT_FALSE(turnsAtTorque(down, 0, -1)) << "never falls so far";
}

TEST(TorqueEnergy, TimeLogTurnsRiseHoldAndFallAtAConstantRate) {
    const std::vector<double> seconds{0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<double> torques{0, 0, 5, 10, 10, 4, 0, 0};
    EXPECT_EQ(constantRateTurns(seconds, torques, 100),
              (std::vector<double>{0, 0, 50, 100, 100, 50, 0, 0}));
    EXPECT_FALSE(constantRateTurns(seconds, torques, 0));
    EXPECT_FALSE(constantRateTurns(seconds, std::vector<double>(8, -1.0), 100));
    EXPECT_FALSE(constantRateTurns({{1.0}}, {{3.0}}, 100));
}

} // namespace
} // namespace kestrune
