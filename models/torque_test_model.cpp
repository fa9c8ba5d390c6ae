// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "torque_test_model.h"

#include "batches/batch_rows.h"
#include "batches/break_test.h"
#include "batches/meter_log.h"
#include "core/iso_date.h"
#include "core/number_text.h"
#include "core/units.h"

#include <cmath>
#include <memory>
#include <span>
#include <utility>

namespace kestrune {
namespace {

SharedPoints curvePoints(std::span<const TorqueReading> readings) {
    auto points = std::make_shared<std::vector<ChartPoint>>();
    points->reserve(readings.size());
    for (const TorqueReading& reading : readings)
        points->push_back({reading.turns, reading.torque});
    return points;
}

std::string orNone(std::optional<double> value, int decimals) {
    return value ? formatFixed(*value, decimals) : std::string(kNoNumberText);
}

std::string inQuotes(std::string_view text) {
    constexpr std::size_t kMost = 40;
    std::string shown = oneColumn(text);
    if (shown.size() > kMost) {
        std::size_t cut = kMost;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0U) == 0x80U)
            --cut;
        shown = shown.substr(0, cut) + "…";
    }
    return "\"" + shown + "\"";
}

std::string refuse(std::string_view box, std::string_view what) {
    return "\"" + std::string(box) + "\" " + std::string(what);
}

} // namespace

TorqueTestModel::TorqueTestModel(const CalcState& state, const Preferences& preferences)
    : state_(state), preferences_(preferences) {}

const TorqueTestTexts& TorqueTestModel::start() {
    shownUnit_ = preferences_.units();
    typed_ = {};
    typed_.type = startingType(state_.currentType);
    typed_.width = static_cast<int>(StripWidth::W1_8);
    typed_.date = todayIsoDate();
    typed_.strands = "2";
    typed_.winderRatio = formatInt(preferences_.winderRatio());
    clearReadings();
    return typed_;
}

FileResult TorqueTestModel::load(StoredFile& file) {
    log_ = {};
    TorqueLog read;
    FileResult result = loadTorqueLog(read, file);
    if (!result.failed())
        log_ = std::move(read);
    return result;
}

bool TorqueTestModel::showAgain(std::string length) {
    typed_.length = std::move(length);
    const LengthUnit unit = preferences_.units();
    if (unit == shownUnit_)
        return false;
    if (const std::optional<double> value = readCompleteNumber(typed_.length))
        typed_.length = formatLengthInput(toInches(*value, shownUnit_), unit);
    shownUnit_ = unit;
    recompute();
    return true;
}

void TorqueTestModel::type(TorqueTestTexts texts) {
    const bool totalChanged = texts.totalTurns != typed_.totalTurns;
    const bool backOffChanged =
        texts.backOff != typed_.backOff || texts.winderRatio != typed_.winderRatio;
    typed_ = std::move(texts);
    if (totalChanged && !times_.empty())
        spreadTimeLog();
    if (backOffChanged)
        fillNextTurns();
    recompute();
}

int TorqueTestModel::readingsRows() const {
    return static_cast<int>(readings_.size()) + 1;
}

std::string TorqueTestModel::readingsRow(int row) const {
    const bool mm = shownUnit_ == LengthUnit::Millimetre;
    if (row == 0)
        return mm ? "Turns\tTorque (oz-in)\tTorque (N·mm)" : "Turns\tTorque (oz-in)";
    if (row < 0 || row >= readingsRows())
        return {};
    const TorqueReading& reading = readings_[static_cast<std::size_t>(row - 1)];
    std::string text = formatTrimmed(reading.turns, 2, 0) + '\t' + formatFixed(reading.torque, 3);
    if (mm)
        text += '\t' + formatFixed(reading.torque * kNewtonMillimetresPerOunceInch, 2);
    return text;
}

std::optional<double> TorqueTestModel::winderRatio() const {
    const std::optional<double> ratio = readCompleteNumber(typed_.winderRatio);
    return ratio && isPositive(*ratio) ? ratio : std::nullopt;
}

void TorqueTestModel::fillNextTurns() {
    nextTurns_.clear();
    const std::optional<double> cranks = readCompleteNumber(typed_.backOff);
    const std::optional<double> ratio = winderRatio();
    if (readings_.empty() || !times_.empty() || !cranks || !ratio || *cranks < 0)
        return;
    const double next = readings_.back().turns - *cranks * *ratio;
    if (std::isfinite(next) && next >= 0)
        nextTurns_ = formatShortest(next);
}

std::optional<std::string> TorqueTestModel::addReading(std::string_view turns,
                                                       std::string_view torque) {
    if (!times_.empty())
        return std::string("The readings are a meter's log of time. Clear them before typing "
                           "readings of your own.");
    const std::optional<double> n = readCompleteNumber(turns);
    if (!n || *n < 0)
        return refuse("Turns", "takes the motor's turns: a number, 0 or more.");
    const std::optional<double> q = readCompleteNumber(torque);
    if (!q)
        return refuse("Torque", "takes the torque read on the meter, in oz-in.");
    if (readings_.size() >= kMostMeterReadings)
        return "A test takes at most " + formatInt(static_cast<int>(kMostMeterReadings)) +
               " readings.";
    readings_.push_back({*n, *q});
    if (readings_.size() == 1) {
        source_ = TorqueSource::Typed;
        howRead_.clear();
    }
    fillNextTurns();
    recompute();
    return std::nullopt;
}

void TorqueTestModel::removeReading(int row) {
    if (row <= 0 || row >= readingsRows() || !times_.empty())
        return;
    readings_.erase(readings_.begin() + (row - 1));
    fillNextTurns();
    recompute();
}

void TorqueTestModel::clearReadings() {
    readings_.clear();
    times_.clear();
    timedTorques_.clear();
    howRead_.clear();
    source_ = TorqueSource::Typed;
    nextTurns_.clear();
    recompute();
}

std::optional<std::string> TorqueTestModel::readMeterText(std::string bytes) {
    MeterLogRead read = readMeterLog(bytes);
    // A long log's text, then its columns, are let go as soon as they are read, so that a
    // log's memory is not held three times over while its curve is laid out.
    std::string().swap(bytes);
    if (!read.log)
        return "Kestrune read no readings from it. " + read.refusal;
    takeReadings(std::move(*read.log));
    nextTurns_.clear();
    recompute();
    return std::nullopt;
}

void TorqueTestModel::takeReadings(MeterLog log) {
    readings_.clear();
    times_.clear();
    timedTorques_.clear();
    howRead_ = std::move(log.howRead);
    if (log.turns.empty()) {
        times_ = std::move(log.seconds);
        timedTorques_ = std::move(log.torques);
        source_ = TorqueSource::ConstantRate;
        spreadTimeLog();
    } else {
        source_ = TorqueSource::MeterLog;
        readings_.reserve(log.turns.size());
        for (std::size_t i = 0; i < log.turns.size(); ++i)
            readings_.push_back({log.turns[i], log.torques[i]});
    }
}

void TorqueTestModel::spreadTimeLog() {
    readings_.clear();
    const std::optional<double> total = readCompleteNumber(typed_.totalTurns);
    const std::optional<std::vector<double>> turns =
        total ? constantRateTurns(times_, timedTorques_, *total) : std::nullopt;
    if (!turns)
        return;
    readings_.reserve(turns->size());
    for (std::size_t i = 0; i < turns->size(); ++i)
        readings_.push_back({(*turns)[i], timedTorques_[i]});
}

void TorqueTestModel::recompute() {
    readingsNote_ = howRead_;
    if (!times_.empty()) {
        readingsNote_ += readingsNote_.empty() ? "" : " ";
        if (readings_.empty())
            readingsNote_ += readCompleteNumber(typed_.totalTurns)
                                 ? "The log gives time, not turns, and its torque never rises "
                                   "above 0, or \"Total turns\" is not above 0: no turns."
                                 : "The log gives time, not turns: type the turns the motor was "
                                   "wound in \"Total turns\".";
        else
            readingsNote_ += "Turns from \"Total turns\", " + std::string(kConstantRate) + '.';
    }
    energy_ = torqueEnergy(readings_);
    const bool mm = shownUnit_ == LengthUnit::Millimetre;
    const auto torqueText = [mm](std::optional<double> torque) {
        std::string text = orNone(torque, 3);
        if (mm && torque)
            text += " (" + formatFixed(*torque * kNewtonMillimetresPerOunceInch, 2) + " N·mm)";
        return text;
    };
    const std::optional<double> weight = readCompleteNumber(typed_.weight);
    const std::optional<double> perGram =
        energyPerGram(energy_.energyOut, weight && isPositive(*weight) ? weight : std::nullopt);
    const std::optional<double> atTorque = readCompleteNumber(typed_.atTorque);
    values_ = {energy_.peakTorque,
               energy_.peakTurns,
               energy_.energyIn,
               energy_.energyOut,
               perGram,
               perGram ? std::optional(footPoundsPerPound(*perGram)) : std::nullopt,
               energy_.hysteresis ? std::optional(*energy_.hysteresis * 100) : std::nullopt,
               energy_.meanTorque,
               atTorque && energy_.mostLast + 1 < readings_.size()
                   ? turnsAtTorque(readings_, energy_.mostLast, *atTorque)
                   : std::nullopt};
    results_.peakTorque = torqueText(values_.peakTorque);
    results_.peakTurns = orNone(values_.peakTurns, 0);
    results_.energyIn = orNone(values_.energyIn, 3);
    results_.energyOut = orNone(values_.energyOut, 3);
    results_.perWeight = orNone(values_.perWeight, 2);
    results_.perWeightFtLbf = orNone(values_.perWeightFtLbf, 0);
    results_.hysteresis = orNone(values_.hysteresis, 1);
    results_.hysteresisFlag =
        energy_.hysteresis && *energy_.hysteresis < 0 ? std::string(kNegativeHysteresis) : "";
    results_.meanTorque = torqueText(values_.meanTorque);
    results_.turnsAtTorque = orNone(values_.turnsAtTorque, 0);
    curve_ = {};
    if (!readings_.empty()) {
        if (energy_.mostFirst > 0)
            curve_.winding = curvePoints(std::span(readings_).first(energy_.mostFirst + 1));
        curve_.unwinding = curvePoints(std::span(readings_).subspan(energy_.mostLast));
    }
}

std::optional<std::string> TorqueTestModel::refusal(TorqueTest* test) const {
    TorqueTest made;
    made.batch = typed_.batch;
    made.note = typed_.note;
    made.date = typed_.date;
    if (!isIsoDate(made.date))
        return refuse("Date", "takes a date that exists, written as 2026-03-14.");
    if (typed_.type < 0 || typed_.type >= kRubberTypeCount)
        return refuse("Type", "needs a rubber type.");
    if (!stripWidthInches(typed_.width))
        return refuse("Width", "needs a strip width.");
    made.type = typed_.type;
    made.width = typed_.width;
    const std::optional<int> strands = readWholeNumber(typed_.strands);
    if (!strands || *strands < kLeastTestStrands || *strands > kMostTestStrands)
        return refuse("Strands", "takes a whole number of strands from 1 to 99.");
    made.strands = *strands;
    const std::optional<double> length = readCompleteNumber(typed_.length);
    if (!length || !isPositive(toInches(*length, shownUnit_)))
        return refuse("Length", "takes the motor's length, a number above 0.");
    made.length = toInches(*length, shownUnit_);
    if (!typed_.weight.empty()) {
        made.weight = readCompleteNumber(typed_.weight);
        if (!made.weight || !isPositive(*made.weight))
            return refuse("Weight (g)", "takes the motor's weight in grams, above 0, or nothing.");
    }
    const std::optional<double> ratio = winderRatio();
    if (!ratio)
        return refuse("Winder ratio", "takes the winder's turns per crank, a number above 0.");
    made.winderRatio = *ratio;
    if (readings_.empty())
        return std::string(times_.empty()
                               ? "The test has no readings: add them, import or paste a log."
                               : "The time log gives no turns: type \"Total turns\".");
    made.source = source_;
    made.readings = readings_;
    if (!isKeepable(made))
        return std::string("The test has a value that cannot be kept.");
    if (test != nullptr)
        *test = std::move(made);
    return std::nullopt;
}

std::optional<std::string> TorqueTestModel::testRefusal() const {
    return refusal(nullptr);
}

std::optional<TorqueTest> TorqueTestModel::typedTest() const {
    TorqueTest test;
    if (refusal(&test))
        return std::nullopt;
    return test;
}

FileResult TorqueTestModel::change(const TorqueLogChange& change, StoredFile& file) {
    const TorqueLogChanged changed = changeTorqueLog(log_, change, file);
    reread_ = changed.reread;
    return changed.result;
}

FileResult TorqueTestModel::addTest(StoredFile& file) {
    reread_ = false;
    std::optional<TorqueTest> test = typedTest();
    if (!test)
        return FileResult::failure("there is no test to keep");
    FileResult result = change({std::nullopt, std::move(test)}, file);
    if (result.done()) {
        // The next test of the series: the same batch and motor, its own readings and note.
        typed_.note.clear();
        clearReadings();
    }
    return result;
}

FileResult TorqueTestModel::changeTest(int row, StoredFile& file) {
    reread_ = false;
    if (row <= 0 || row >= testsRows())
        return FileResult::failure("there is no such test");
    std::optional<TorqueTest> test = typedTest();
    if (!test)
        return FileResult::failure("there is no test to keep");
    return change({torqueRecordName(log_, static_cast<std::size_t>(row - 1)), std::move(test)},
                  file);
}

std::optional<std::string> TorqueTestModel::deleteQuestion(int row) const {
    if (row <= 0 || row >= testsRows())
        return std::nullopt;
    const TorqueLogEntry& entry = log_[static_cast<std::size_t>(row - 1)];
    const std::string what =
        entry.isTest()
            ? "torque test " + std::to_string(entry.number()) + " of batch " +
                  inQuotes(entry.test().batch) + " of " + entry.test().date
            : "the line of kes-torque.csv that could not be read (row " + formatInt(row) + ")";
    return "Delete " + what +
           " from the Torque Test?\n\nIt is removed from kes-torque.csv at once.";
}

FileResult TorqueTestModel::deleteTest(int row, StoredFile& file) {
    reread_ = false;
    if (row <= 0 || row >= testsRows())
        return FileResult::failure("there is no such test");
    return change({torqueRecordName(log_, static_cast<std::size_t>(row - 1)), std::nullopt}, file);
}

int TorqueTestModel::testsRows() const {
    return static_cast<int>(log_.size()) + 1;
}

std::string TorqueTestModel::testsRow(int row) const {
    if (row == 0)
        return "Batch\tDate\tType\tWidth\tStrands\tLength (" +
               std::string(
                   kLengthUnitTexts.at(static_cast<std::size_t>(lengthUnitIndex(shownUnit_)))) +
               ")\tWeight (g)\tReadings\tJ/g\tHysteresis (%)";
    if (row < 0 || row >= testsRows())
        return {};
    const TorqueLogEntry& entry = log_[static_cast<std::size_t>(row - 1)];
    if (!entry.isTest())
        return "Unreadable line\t" + oneColumn(entry.unreadable());
    const TorqueTest& test = entry.test();
    const TorqueEnergy energy = torqueEnergy(test.readings);
    const std::optional<double> perGram = energyPerGram(energy.energyOut, test.weight);
    return oneColumn(test.batch) + '\t' + oneColumn(test.date) + '\t' +
           std::string(typeListText(test.type)) + '\t' + std::string(widthListText(test.width)) +
           '\t' + formatInt(test.strands) + '\t' + formatLength(test.length, shownUnit_) + '\t' +
           (test.weight ? formatGrams(*test.weight) : std::string(kNoNumberText)) + '\t' +
           std::to_string(test.readings.size()) + '\t' + orNone(perGram, 2) + '\t' +
           orNone(energy.hysteresis ? std::optional(*energy.hysteresis * 100) : std::nullopt, 1);
}

bool TorqueTestModel::select(int row) {
    if (row <= 0 || row >= testsRows() || !log_[static_cast<std::size_t>(row - 1)].isTest())
        return false;
    const TorqueTest& test = log_[static_cast<std::size_t>(row - 1)].test();
    typed_.batch = test.batch;
    typed_.date = test.date;
    typed_.type = test.type;
    typed_.width = test.width;
    typed_.strands = formatInt(test.strands);
    typed_.length = formatLengthInput(test.length, shownUnit_);
    typed_.weight = test.weight ? formatShortest(*test.weight) : std::string();
    typed_.winderRatio = formatShortest(test.winderRatio);
    typed_.note = test.note;
    times_.clear();
    timedTorques_.clear();
    readings_ = test.readings;
    source_ = test.source;
    howRead_ = source_ == TorqueSource::Typed
                   ? std::string()
                   : "Readings of a " + std::string(torqueSourceText(source_)) + '.';
    fillNextTurns();
    recompute();
    return true;
}

std::string_view TorqueTestModel::lengthUnit() const {
    return kLengthUnitTexts.at(static_cast<std::size_t>(lengthUnitIndex(shownUnit_)));
}

std::string TorqueTestModel::torqueWithUnit(std::optional<double> torque) const {
    std::string text = orNone(torque, 3) + " oz-in";
    if (torque && shownUnit_ == LengthUnit::Millimetre)
        text += " (" + formatFixed(*torque * kNewtonMillimetresPerOunceInch, 2) + " N·mm)";
    return text;
}

FileResult TorqueTestModel::readMeterFile(StoredFile& file, std::string& bytes) {
    return file.read(bytes, kMaxMeterLogBytes);
}

std::string TorqueTestModel::printFooter(std::string_view programName, std::string_view version) {
    return std::string(programName) + " " + std::string(version);
}

std::string TorqueTestModel::curveDescription() const {
    return "Peak torque " + torqueWithUnit(values_.peakTorque) + " at " + results_.peakTurns +
           " turns; energy in " + results_.energyIn + " J, energy out " + results_.energyOut +
           " J.";
}

std::vector<std::string> TorqueTestModel::printLines() const {
    const std::string unit(lengthUnit());
    std::vector<std::string> lines;
    lines.push_back("Torque test of batch " + inQuotes(typed_.batch) + ", " +
                    oneColumn(typed_.date));
    lines.push_back(
        std::string(typed_.type >= 0 && typed_.type < kRubberTypeCount ? typeListText(typed_.type)
                                                                       : kNoNumberText) +
        ", " +
        std::string(stripWidthInches(typed_.width) ? widthListText(typed_.width) : kNoNumberText) +
        ", " + oneColumn(typed_.strands) + " strands, length " + oneColumn(typed_.length) + ' ' +
        unit + ", weight " +
        (typed_.weight.empty() ? std::string(kNoNumberText) : oneColumn(typed_.weight)) +
        " g, winder ratio " + oneColumn(typed_.winderRatio));
    lines.push_back(std::to_string(readings_.size()) + " readings, " +
                    std::string(torqueSourceText(source_)));
    if (!typed_.note.empty())
        lines.push_back("Note: " + oneColumn(typed_.note));
    const std::vector<std::string> results = resultLines();
    lines.insert(lines.end(), results.begin(), results.end());
    return lines;
}

std::vector<std::string> TorqueTestModel::resultLines() const {
    std::vector<std::string> lines;
    lines.push_back("Peak torque: " + torqueWithUnit(values_.peakTorque) + " at " +
                    results_.peakTurns + " turns");
    lines.push_back("Energy in: " + results_.energyIn + " J");
    lines.push_back("Energy out: " + results_.energyOut + " J");
    lines.push_back("Per weight: " + results_.perWeight + " J/g, " + results_.perWeightFtLbf +
                    " ft-lbf/lb");
    lines.push_back("Hysteresis: " + results_.hysteresis + " %" +
                    (results_.hysteresisFlag.empty() ? "" : " (" + results_.hysteresisFlag + ")"));
    lines.push_back("Mean torque: " + torqueWithUnit(values_.meanTorque));
    // Without a torque typed the line names none, rather than an empty one.
    const std::string atTorque =
        typed_.atTorque.empty() ? "" : " " + oneColumn(typed_.atTorque) + " oz-in";
    lines.push_back("Turns at torque" + atTorque + ": " + results_.turnsAtTorque);
    return lines;
}

} // namespace kestrune
