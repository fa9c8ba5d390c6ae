// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What the modeller's pages share and keep between runs: the units, the rubber stock and the
// winder, and the calibration constants exactly. Values that would make the pages compute
// nonsense are never stored.

#include "calc_state.h"
#include "motor_weight.h"
#include "units.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// The calibration table's constants to the last bit, by type, which kes.cfg keeps only rounded;
// nothing where none is kept.
struct ExactConstants {
    std::array<std::optional<double>, kRubberTypeCount> turns{};
    std::array<std::optional<double>, kRubberTypeCount> torque{};
    friend bool operator==(const ExactConstants&, const ExactConstants&) = default;
};

// Every constant of the table.
ExactConstants exactConstantsOf(const CalibrationTable& table);

// The batch whose constants "Use" gave a type, with the constants it gave: it names them only
// while the table holds those very constants, so that any other change of them (a calibration,
// Default, a constant typed) leaves them no batch.
struct ConstantsBatch {
    std::string batch;
    double turns = 0;
    std::optional<double> torque; // none: "Use" left the torque constant as it was
    friend bool operator==(const ConstantsBatch&, const ConstantsBatch&) = default;
};
using ConstantsBatches = std::array<std::optional<ConstantsBatch>, kRubberTypeCount>;

// Whether the batch is still where the constants of its type came from.
bool holdsBatchConstants(const ExactConstants& constants, int type, const ConstantsBatch& batch);

// Whether a key can name a kept input: a page and a box of it ("motor-weight.length"), of
// lowercase letters, digits, '-' and '.', so its line in the file cannot be read as another.
bool isKeptInputKey(std::string_view key);

class Preferences {
public:
    static constexpr double kDefaultThickness = 0.042; // inches (1/24" strip)
    static constexpr double kDefaultDensity = 1.00;    // g/cm^3
    static constexpr int kDefaultWinderRatio = 16;
    static constexpr double kDefaultStretch = 4;
    static constexpr double kLeastStretch = 3;
    static constexpr double kGreatestStretch = 6;

    LengthUnit units() const { return units_; }
    double thickness() const { return thickness_; }
    double density() const { return density_; }
    int winderRatio() const { return winderRatio_; }
    double stretch() const { return stretch_; }
    RubberStock stock() const { return {thickness_, density_}; }

    void setUnits(LengthUnit units) { units_ = units; }
    // Each setter stores a value it accepts and returns whether it did: thickness and density
    // above 0 and at most kLargestMotorMeasure, a winder ratio of at least 1, a stretch from 3
    // to 6 times.
    bool setThickness(double inches);
    bool setDensity(double gramsPerCubicCentimetre);
    bool setWinderRatio(int ratio);
    bool setStretch(double times);

    // The constants of kes.cfg as they were when it was last written.
    ExactConstants exactConstants;
    // By type, the batch its constants came from, while they are those it gave.
    ConstantsBatches constantsBatches{};
    // The batch the type computes with, by the table's constants; nothing when none gave them.
    const ConstantsBatch* constantsBatch(const CalibrationTable& table, int type) const;
    // The modeller's pages' inputs as they were left, by key (isKeptInputKey), the texts as
    // typed; an entry whose key is no such key is not written.
    std::map<std::string, std::string, std::less<>> keptInputs;
    // Lines of the preferences file this version does not know, written back as they were.
    std::vector<std::string> otherLines;

private:
    LengthUnit units_ = LengthUnit::Inch;
    double thickness_ = kDefaultThickness;
    double density_ = kDefaultDensity;
    int winderRatio_ = kDefaultWinderRatio;
    double stretch_ = kDefaultStretch;
};

// The process-wide preferences the modeller's pages work with.
Preferences& preferences();

} // namespace kestrune
