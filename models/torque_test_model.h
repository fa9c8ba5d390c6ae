// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Torque Test page without its window: the test in progress (its boxes and readings, typed
// with a back-off or read from a meter's log), every result of its curve, the kept tests of
// kes-torque.csv with Add, Change and Delete, the chart's series and the printed page's lines.

#include "batches/torque_log_file.h"
#include "batches/torque_test.h"
#include "core/calc_state.h"
#include "core/column_extremes.h"
#include "core/preferences.h"
#include "core/stored_file.h"
#include "core/torque_energy.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

struct MeterLog;

// What the boxes hold, as typed; Type and Width as their list's selected index (-1: none).
// Length is in the page's units.
struct TorqueTestTexts {
    std::string batch, date;
    int type = -1, width = -1;
    std::string strands, length, weight, winderRatio, note;
    std::string backOff, totalTurns, atTorque;
    friend bool operator==(const TorqueTestTexts&, const TorqueTestTexts&) = default;
};

// Every result box's text, "–" when it cannot be computed; hysteresisFlag is empty unless the
// hysteresis is negative.
struct TorqueResultsView {
    std::string peakTorque, peakTurns;
    std::string energyIn, energyOut;
    std::string perWeight, perWeightFtLbf;
    std::string hysteresis, hysteresisFlag;
    std::string meanTorque, turnsAtTorque;
    friend bool operator==(const TorqueResultsView&, const TorqueResultsView&) = default;
};

// The same results unrounded, in their boxes' units (hysteresis in %); nothing where a box shows
// "–".
struct TorqueResultValues {
    std::optional<double> peakTorque, peakTurns;
    std::optional<double> energyIn, energyOut;
    std::optional<double> perWeight, perWeightFtLbf;
    std::optional<double> hysteresis;
    std::optional<double> meanTorque, turnsAtTorque;
};

// The curve as the chart draws it: torque (oz-in) against turns, each phase in reading order.
struct TorqueCurve {
    SharedPoints winding, unwinding; // x turns, y oz-in; none without readings of that phase
};

class TorqueTestModel {
public:
    static constexpr std::string_view kLogUnread =
        "The Torque Test shows no kept tests. Kestrune leaves the file as it is and asks before "
        "it replaces it.";
    static constexpr std::string_view kReplacingErases =
        "It is the torque test log: replacing it erases every torque test in it.";
    static constexpr std::string_view kTestNotKept =
        "The test was not kept; the boxes and readings still hold it.";
    static constexpr std::string_view kLogKept = "Nothing was deleted: the file is as it was.";
    static constexpr std::string_view kNegativeHysteresis =
        "energy out above energy in: check the readings";
    static constexpr std::string_view kConstantRate = "turns assumed at a constant rate";
    static constexpr std::string_view kCurveName = "Torque curve";
    static constexpr std::string_view kTurnsAxis = "Turns";
    static constexpr std::string_view kTorqueAxis = "Torque (oz-in)";
    static constexpr std::string_view kWindingName = "Winding";
    static constexpr std::string_view kUnwindingName = "Unwinding";

    // The calculation state gives the first type; the preferences the units and winder ratio.
    TorqueTestModel(const CalcState& state, const Preferences& preferences);

    // The boxes of the first test: the calculation pages' type, "1/8", today's date, two
    // strands, the preferences' winder ratio; no readings.
    const TorqueTestTexts& start();

    // The kept tests become the file's. A failed read leaves none.
    FileResult load(StoredFile& file);
    // Shown again, with the Length box's text as it stands: after a change of units on another
    // page typed().length holds that length in the new units. True when the readings table and
    // the Tests list are shown anew (the units changed).
    bool showAgain(std::string length);

    // The boxes as they stand after any change; every result follows. At torque is in oz-in.
    void type(TorqueTestTexts texts);
    const TorqueTestTexts& typed() const { return typed_; }

    // The readings table: the header row, then one row per reading ("Turns\tTorque", with
    // N·mm beside oz-in in millimetre units).
    int readingsRows() const;
    std::string readingsRow(int row) const;
    static bool isHeaderRow(int row) { return row == 0; }
    // The Turns box for the next reading: the last reading's turns less Back-off cranks × Winder
    // ratio; empty with no readings, no back-off or below 0 turns.
    const std::string& nextTurns() const { return nextTurns_; }
    // Add reading: the refusal naming the box to put right, or nothing when the reading was
    // added (then nextTurns() holds the next row's turns). A time log's readings take none.
    std::optional<std::string> addReading(std::string_view turns, std::string_view torque);
    // Takes out a readings row (the header row and rows past the end are ignored).
    void removeReading(int row);
    void clearReadings();

    // Import…, first: the meter's file whole; one larger than any log it could read is refused
    // before it is read.
    static FileResult readMeterFile(StoredFile& file, std::string& bytes);
    // Import… and Paste: the text of a meter's file, or the clipboard's. Its readings replace
    // the table's when it reads; otherwise the refusal to tell, and the readings stay.
    std::optional<std::string> readMeterText(std::string bytes);
    // How the readings came: after an import, how the file was read (columns, unit, readings),
    // and for a time log "turns assumed at a constant rate" or what it still needs; empty for
    // typed readings.
    const std::string& readingsNote() const { return readingsNote_; }

    const TorqueResultsView& results() const { return results_; }
    const TorqueResultValues& values() const { return values_; }

    // Tests: the header row, then one row per kept test or unreadable line.
    int testsRows() const;
    std::string testsRow(int row) const;
    // A deliberate selection of a Tests row: its test goes into the boxes and the readings.
    // False for a row that is no test (nothing changes).
    bool select(int row);
    // Add and Change: the refusal naming the box to put right when the boxes and readings give
    // no test to keep (nothing is written then).
    std::optional<std::string> testRefusal() const;
    FileResult addTest(StoredFile& file);
    FileResult changeTest(int row, StoredFile& file);
    // Delete of a Tests row: the question naming the test, nothing for the header row.
    std::optional<std::string> deleteQuestion(int row) const;
    FileResult deleteTest(int row, StoredFile& file);
    // Whether the last Add, Change or Delete found the file changed by another program and
    // read it again: then Tests shows it anew, whatever came of the change.
    bool reread() const { return reread_; }

    // The label after Length: the unit of the page's lengths.
    std::string_view lengthUnit() const;

    // The chart and its description for a screen reader (the peak and the energies).
    const TorqueCurve& curve() const { return curve_; }
    std::string curveDescription() const;
    // The printed page's text lines: the test, then its results.
    std::vector<std::string> printLines() const;
    // The results' lines of the printed page.
    std::vector<std::string> resultLines() const;
    // The printed page's title, and its footer naming the program that printed it.
    static constexpr std::string_view kPrintTitle = "Torque Test";
    static std::string printFooter(std::string_view programName, std::string_view version);

private:
    void recompute();
    std::optional<TorqueTest> typedTest() const;
    std::optional<std::string> refusal(TorqueTest* test) const;
    FileResult change(const TorqueLogChange& change, StoredFile& file);
    void fillNextTurns();
    // A time log's readings, their turns spread over Total turns; none without a total.
    void spreadTimeLog();
    // A meter log's readings into the table, as turns or, for a time log, times.
    void takeReadings(MeterLog log);
    std::optional<double> winderRatio() const;
    // A torque with its unit, and in millimetre units its N·mm after it.
    std::string torqueWithUnit(std::optional<double> torque) const;

    const CalcState& state_;
    const Preferences& preferences_;
    LengthUnit shownUnit_ = LengthUnit::Inch;
    TorqueTestTexts typed_;
    // The readings: turns as typed or as computed for a time log.
    std::vector<TorqueReading> readings_;
    // A time log's times (s) and torques, spread over Total turns whenever it changes.
    std::vector<double> times_;
    std::vector<double> timedTorques_;
    std::string howRead_;
    TorqueSource source_ = TorqueSource::Typed;
    std::string nextTurns_;
    std::string readingsNote_;
    TorqueEnergy energy_;
    TorqueResultsView results_;
    TorqueResultValues values_;
    TorqueCurve curve_;
    TorqueLog log_;
    bool reread_ = false;
};

} // namespace kestrune
