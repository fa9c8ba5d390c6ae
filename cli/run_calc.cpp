// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "cli/run_calc.h"

#include "batches/batch_log_file.h"
#include "batches/csv.h"
#include "cli/batch_result.h"
#include "cli/calc_options.h"
#include "cli/energy_result.h"
#include "cli/motor_result.h"
#include "cli/result_writer.h"
#include "cli/usage_text.h"

#include <algorithm>

namespace kestrune {
namespace {

constexpr std::string_view kProgram = "kestrune-calc: ";
constexpr std::size_t kFlushBytes = std::size_t{64} << 10;

int usageError(std::ostream& err, std::string_view message) {
    err << kProgram << message << '\n' << kUsageLine;
    return 2;
}

class Run {
public:
    Run(const CalcOptions& options, std::ostream& out, std::ostream& err, CalcSetup setup,
        OutputFormat format)
        : options_(options), out_(out), err_(err), setup_(std::move(setup)),
          writer_(format, commandName(options.command), buffer_) {}

    int motor();
    int batches(const FileOpener& open);
    int energy(const FileOpener& open);
    int input(const FileOpener& open);

private:
    // The motor options, and the constants when the run gives any.
    void nameInputs(bool constants);
    ResultInputs inputsOf(const OptionValues& values) const;
    void flush(bool always);

    const CalcOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    CalcSetup setup_;
    std::string buffer_;
    ResultWriter writer_;
    std::vector<Option> inputs_;
};

void Run::nameInputs(bool constants) {
    const std::span<const Option> own = motorOptions(options_.command);
    inputs_.assign(own.begin(), own.end());
    if (constants) {
        inputs_.push_back(Option::TurnsConstant);
        inputs_.push_back(Option::TorqueConstant);
    }
}

ResultInputs Run::inputsOf(const OptionValues& values) const {
    ResultInputs inputs;
    inputs.reserve(inputs_.size());
    for (const Option option : inputs_)
        inputs.emplace_back(optionName(option), valueOf(values, option));
    return inputs;
}

void Run::flush(bool always) {
    if (always || buffer_.size() >= kFlushBytes) {
        out_ << buffer_;
        buffer_.clear();
    }
}

int Run::motor() {
    nameInputs(valueOf(options_.values, Option::TurnsConstant) ||
               valueOf(options_.values, Option::TorqueConstant));
    const auto computed = computeMotor(options_.command, options_.values, setup_);
    if (const auto* fault = std::get_if<CalcFault>(&computed)) {
        if (fault->usage)
            return usageError(err_, fault->message);
        err_ << kProgram << fault->message << '\n';
        return 1;
    }
    writer_.write(inputsOf(options_.values), std::get<CalcResult>(computed));
    flush(true);
    return 0;
}

int Run::batches(const FileOpener& open) {
    const std::string path =
        options_.operands.empty() ? std::string(kBatchLogFileName) : options_.operands.front();
    const std::unique_ptr<StoredFile> log = open(path);
    const auto computed = summariseBatchLog(*log, setup_);
    if (const auto* fault = std::get_if<CalcFault>(&computed)) {
        err_ << kProgram << fault->message << '\n';
        return 1;
    }
    writer_.write({{"file", path}}, std::get<CalcResult>(computed));
    flush(true);
    return 0;
}

int Run::energy(const FileOpener& open) {
    if (options_.operands.empty())
        return usageError(err_, "energy: the meter's log FILE is missing");
    const std::string& path = options_.operands.front();
    const std::unique_ptr<StoredFile> log = open(path);
    const auto computed = energyResult(*log, options_.values, setup_);
    if (const auto* fault = std::get_if<CalcFault>(&computed)) {
        err_ << kProgram << fault->message << '\n';
        return 1;
    }
    nameInputs(false);
    ResultInputs inputs = inputsOf(options_.values);
    inputs.insert(inputs.begin(), {"file", path});
    writer_.write(inputs, std::get<CalcResult>(computed));
    flush(true);
    return 0;
}

int Run::input(const FileOpener& open) {
    const std::unique_ptr<StoredFile> file = open(*valueOf(options_.values, Option::Input));
    const std::string name = file->name();
    std::string bytes;
    const FileResult read = file->read(bytes, kMaxInputBytes);
    if (!read.done()) {
        err_ << kProgram << name << ": "
             << (read.missing() ? std::string("there is no such file") : read.reason) << '\n';
        return 1;
    }
    std::string_view text = bytes;
    if (text.empty()) {
        err_ << kProgram << name << ": it has no header line naming the options\n";
        return 1;
    }
    CsvRecord header = readCsvRecord(text);
    std::vector<Option> columns;
    if (!header.fields) {
        err_ << kProgram << name << ":1: the header is no CSV record\n";
        return 1;
    }
    for (const std::string& column : *header.fields) {
        const std::optional<Option> option = optionNamed(column);
        if (!option || !takesMotorOption(options_.command, *option) ||
            std::find(columns.begin(), columns.end(), *option) != columns.end()) {
            err_ << kProgram << name << ":1: column '" << column << "' is no option of "
                 << commandName(options_.command) << " or comes twice\n";
            return 1;
        }
        columns.push_back(*option);
    }
    nameInputs(std::any_of(columns.begin(), columns.end(),
                           [](Option o) {
                               return o == Option::TurnsConstant || o == Option::TorqueConstant;
                           }) ||
               valueOf(options_.values, Option::TurnsConstant) ||
               valueOf(options_.values, Option::TorqueConstant));

    int status = 0;
    // Lines count from 1, the header's first; a quoted field may hold line breaks.
    std::size_t line =
        2 + static_cast<std::size_t>(std::count(header.raw.begin(), header.raw.end(), '\n'));
    text.remove_prefix(header.length);
    OptionValues values;
    while (!text.empty()) {
        const CsvRecord record = readCsvRecord(text);
        const std::size_t at = line;
        line +=
            1 + static_cast<std::size_t>(std::count(record.raw.begin(), record.raw.end(), '\n'));
        text.remove_prefix(record.length);
        if (record.raw.empty())
            continue;
        const auto fault = [&](std::string_view why) {
            err_ << kProgram << name << ":" << std::to_string(at) << ": " << why << '\n';
            status = 1;
        };
        if (!record.fields || record.fields->size() > columns.size()) {
            fault(record.fields ? "more fields than the header names" : "no CSV record");
            continue;
        }
        values = options_.values;
        for (std::size_t i = 0; i < record.fields->size(); ++i) {
            if (!(*record.fields)[i].empty())
                valueOf(values, columns[i]) = (*record.fields)[i];
        }
        const auto computed = computeMotor(options_.command, values, setup_);
        if (const auto* faulted = std::get_if<CalcFault>(&computed)) {
            fault(faulted->message);
            continue;
        }
        writer_.write(inputsOf(values), std::get<CalcResult>(computed), at);
        flush(false);
    }
    flush(true);
    return status;
}

} // namespace

int runCalc(std::span<const std::string> args, std::ostream& out, std::ostream& err,
            const FileOpener& open) {
    const auto parsed = parseCalcOptions(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return usageError(err, usage->message);
    const CalcOptions& options = std::get<CalcOptions>(parsed);
    if (options.command == Command::Help) {
        out << kHelpText;
        return 0;
    }
    if (options.command == Command::Version) {
        out << "kestrune-calc " << KESTRUNE_VERSION << '\n';
        return 0;
    }
    const std::optional<std::string>& formatText = valueOf(options.values, Option::Format);
    const std::optional<OutputFormat> format =
        formatText ? outputFormatNamed(*formatText) : OutputFormat::Text;
    if (!format)
        return usageError(err, "--format '" + *formatText + "': text, csv or json");

    auto loaded = loadCalcSetup(valueOf(options.values, Option::Constants), open);
    if (const auto* unreadable = std::get_if<std::string>(&loaded)) {
        err << kProgram << *unreadable << '\n';
        return 1;
    }
    CalcSetup& setup = std::get<CalcSetup>(loaded);
    int status = 0;
    for (const std::string& unread : setup.unread) {
        err << kProgram << unread << '\n';
        status = 1;
    }
    Run run(options, out, err, std::move(setup), *format);
    int done = 0;
    if (options.command == Command::Batches)
        done = run.batches(open);
    else if (options.command == Command::Energy)
        done = run.energy(open);
    else if (valueOf(options.values, Option::Input))
        done = run.input(open);
    else
        done = run.motor();
    return done != 0 ? done : status;
}

} // namespace kestrune
