// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// kestrune-calc as a script meets it: a command line, the files of its folder, and what it prints
// and returns. The numbers are the pages' own worked examples.

#include "cli/run_calc.h"
#include "cli/usage_text.h"
#include "core/memory_file.h"
#include "files/disk_file.h"
#include "tests/support/case_name.h"
#include "tests/support/locale_guard.h"

#include <gtest/gtest.h>
#include <locale>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrune {
namespace {

using test::PrintTo;

// Tan II 120 and 3.00 oz-in, Tan Sport 90 and 1.50, as the Breaking Turns page's table knows them.
const std::string kCfg = "120\n0\n90\n3.00\n0\n1.50\n";
const std::string kTan = "--type=Tan II";
const std::string kWidths = "no such width (1/16, 3/32, 1/8, 3/16, 1/4)";
const std::string kUsage = std::string("\n") + std::string(kUsageLine);

struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string out, err = "";
    int status = 0;
    std::optional<std::string> cfg = std::nullopt;
    std::optional<std::string> input = std::nullopt; // motors.csv or log.csv
};

const Case kCases[] = {
    {"turns_text",
     {"turns", kTan, "--width", "1/8", "--strands", "4", "--length", "1"},
     "67\n",
     "",
     0,
     kCfg},
    {"turns_json",
     {"turns", "--type", "TAN ii", "--width", "1/4", "--strands", "16", "--limit", "90", "--length",
      "20", "--format", "json"},
     R"({"command":"turns","inputs":{"type":"TAN ii","width":"1/4","strands":"16","length":"20",)"
     R"("limit":"90","vorlick":null},"shown":{"turns":"540"},"values":{"turns":540}})"
     "\n",
     "",
     0,
     kCfg},
    {"turns_uncalibrated_is_a_result",
     {"turns", "--type", "tan super sport", "--width", "1/8", "--strands", "4", "--length", "12"},
     "Undefined\n"},
    {"torque_csv_built_in_constants",
     {"torque", "--type", "TanII", "--width", "1/8", "--strands", "4", "--format", "csv"},
     "type,width,strands,limit,vorlick,torque\r\nTanII,1/8,4,,,6.11\r\n"},
    {"torque_vorlick",
     {"torque", "--type", "Tan Sport", "--width", "1/8", "--strands", "4", "--vorlick"},
     "5.83\n",
     "",
     0,
     kCfg},
    {"torque_constant_outright",
     {"torque", "--type", "Tan Sport", "--width", "1/8", "--strands", "4", "--torque-constant",
      "1.5"},
     "3.40\n"},
    {"weight_from_weight",
     {"weight", kTan, "--width", "1/8", "--strands", "4", "--weight", "10"},
     "Length (inch): 29.06\nWeight (g): 10\nTurns: 1758\nTorque: 6.11 oz-in\n"
     "Per strand: 0.0860 g/in\n"},
    {"weight_class_mm_json",
     {"weight", kTan, "--width", "1/8", "--strands", "6", "--class", "f1g 10 g", "--units", "mm",
      "--length", "500", "--format", "json"},
     R"({"command":"weight","inputs":{"type":"Tan II","width":"1/8","strands":"6","length":"500",)"
     R"("weight":null,"class":"f1g 10 g","limit":null,"units":"mm","thickness":null,)"
     R"("density":null},"shown":{"length":"500","weight":"10.16","thickness":"1.0668",)"
     R"j("density":"1.00","turns":"972","torque":"11.23 oz-in (79.3 N·mm)","per-strand":)j"
     R"("3.39 g/m","class-check":"0.16 g over the F1G limit"},"values":{"length":)"
     R"(19.68503937007874,"weight":10.16127,"turns":972,"torque":11.227689233046327}})"
     "\n"},
    {"card_text",
     {"card", kTan, "--width", "1/8", "--strands", "4", "--length", "10", "--ratio", "7"},
     "%\tTurns\tCranks\tBreaking "
     "torque\n100\t756\t108\t7.64\n95\t718\t102\t7.26\n90\t680\t97\t6.88\n"
     "85\t642\t91\t6.50\n80\t604\t86\t6.11\n75\t567\t81\t5.73\n70\t529\t75\t5.35\n"
     "65\t491\t70\t4.97\n60\t453\t64\t4.59\n55\t415\t59\t4.20\n50\t378\t54\t3.82\n"
     "Stretched length: 40.00 inch\n"},
    {"input_bad_line_reported_rest_computed",
     {"turns", "--input", "motors.csv"},
     "67\n60\n",
     "kestrune-calc: motors.csv:3: --width '1/7': " + kWidths +
         "\nkestrune-calc: motors.csv:4: --vorlick 'maybe': 1/0, yes/no or true/false\n",
     1,
     kCfg,
     "type,width,strands,length,vorlick\nTan II,1/8,4,1,no\nTan II,1/7,4,1,\n"
     "Tan II,1/8,4,1,maybe\r\ntan ii,1/8,4,1,TRUE\n"},
    {"input_json_a_line_each",
     {"torque", "--input", "motors.csv", "--format", "json", "--width", "1/8"},
     R"({"command":"torque","line":2,"inputs":{"type":"Tan II","width":"1/8","strands":"4",)"
     R"("limit":null,"vorlick":null},"shown":{"torque":"6.11"},"values":{"torque":)"
     R"(6.113402589451772}})"
     "\n",
     "",
     0,
     std::nullopt,
     "strands,type\n4,Tan II\n"},
    {"card_mm_stretch_the_same_motor",
     {"card", kTan, "--width", "1/8", "--strands", "4", "--length", "254", "--units", "mm",
      "--stretch", "5", "--ratio", "7"},
     "%\tTurns\tCranks\tBreaking "
     "torque\tN·mm\n100\t756\t108\t7.64\t54.0\n95\t718\t102\t7.26\t51.3\n"
     "90\t680\t97\t6.88\t48.6\n85\t642\t91\t6.50\t45.9\n80\t604\t86\t6.11\t43.2\n"
     "75\t567\t81\t5.73\t40.5\n70\t529\t75\t5.35\t37.8\n65\t491\t70\t4.97\t35.1\n"
     "60\t453\t64\t4.59\t32.4\n55\t415\t59\t4.20\t29.7\n50\t378\t54\t3.82\t27.0\n"
     "Stretched length: 1270.0 mm\n"},
    // Wound 0 to 30 oz-in over 30 turns and let down: each way stores pi x Q x N = 19.966 J.
    {"energy_straight_line",
     {"energy", "log.csv", "--weight", "10", "--at-torque", "15"},
     "Read 7 readings: turns from \"turns\", torque from \"torque\" (taken as oz-in).\n"
     "Peak torque: 30.000 oz-in at 30 turns\nEnergy in: 19.966 J\nEnergy out: 19.966 J\n"
     "Per weight: 2.00 J/g, 668 ft-lbf/lb\nHysteresis: 0.0 %\nMean torque: 15.000 oz-in\n"
     "Turns at torque 15 oz-in: 15\n",
     "",
     0,
     std::nullopt,
     "turns,torque\n0,0\n10,10\n20,20\n30,30\n20,20\n10,10\n0,0\n"},
    // Turns 0, 50, 100, 50, 0 at a constant rate: 2 pi (2.5 x 50 + 7.5 x 50) oz-in each way.
    {"energy_time_log_csv",
     {"energy", "log.csv", "--total-turns", "100", "--format", "csv"},
     "file,weight,total-turns,at-torque,readings,peak-torque,peak-turns,energy-in,energy-out,"
     "per-weight,per-weight-ftlbf,hysteresis,hysteresis-flag,mean-torque,turns-at-torque\r\n"
     "log.csv,,100,,\"Read 5 readings: time from \"\"time (s)\"\" (seconds), torque from "
     "\"\"torque (ozin)\"\". Turns from \"\"Total turns\"\", turns assumed at a constant rate.\","
     "10.000,100,22.185,22.185,–,–,0.0,,5.000,–\r\n",
     "",
     0,
     std::nullopt,
     "time (s),torque (ozin)\n0,0\n1,5\n2,10\n3,5\n4,0\n"},
    {"energy_log_without_readings",
     {"energy", "log.csv"},
     "",
     "kestrune-calc: log.csv: Kestrune read no readings from it. The file has no column named "
     "\"torque\", so it gives no readings.\n",
     1,
     std::nullopt,
     "hello\n"},
    {"energy_weight_abc",
     {"energy", "log.csv", "--weight=abc"},
     "",
     "kestrune-calc: --weight 'abc': a number above 0\n",
     1},
    {"energy_folder", {"energy", "/"}, "", "kestrune-calc: /: it is a folder\n", 1},
    {"energy_without_file",
     {"energy", "--weight=10"},
     "",
     "kestrune-calc: energy: the meter's log FILE is missing" + kUsage,
     2},
    {"batches_missing_log",
     {"batches"},
     "",
     "kestrune-calc: kes-batches.csv: there is no such file\n",
     1},
    {"damaged_cfg_told_built_in_used",
     {"turns", kTan, "--width", "1/8", "--strands", "4", "--length", "1"},
     "60\n",
     "kestrune-calc: kes.cfg: its first 6 lines take more than 64 KiB; computing with the "
     "built-in constants\n",
     1,
     std::string(70000, '7')},
    {"length_abc",
     {"turns", kTan, "--width=1/8", "--strands=4", "--length=abc"},
     "",
     "kestrune-calc: --length 'abc': a whole number of inches\n",
     1},
    {"length_negative",
     {"weight", kTan, "--width=1/8", "--strands=4", "--length=-1"},
     "",
     "kestrune-calc: --length '-1': a number above 0\n",
     1},
    {"length_beyond_double",
     {"card", kTan, "--width=1/8", "--strands=4", "--length=1e999"},
     "",
     "kestrune-calc: --length '1e999': too large to compute with\n",
     1},
    {"length_empty",
     {"weight", kTan, "--width=1/8", "--strands=4", "--length="},
     "",
     "kestrune-calc: --length '': empty, a value is needed\n",
     1},
    {"type_unknown",
     {"turns", "--type=Tan III", "--width=1/8", "--strands=4", "--length=1"},
     "",
     "kestrune-calc: --type 'Tan III': no such type (Tan II, Tan Super Sport, Tan Sport)\n",
     1},
    {"width_unknown",
     {"card", kTan, "--width=1/7", "--strands=4", "--length=1"},
     "",
     "kestrune-calc: --width '1/7': " + kWidths + "\n",
     1},
    {"strands_beyond_36",
     {"torque", kTan, "--width=1/8", "--strands=38"},
     "",
     "kestrune-calc: --strands '38': an even number from 2 to 36\n",
     1},
    {"strands_odd",
     {"torque", kTan, "--width=1/8", "--strands=3"},
     "",
     "kestrune-calc: --strands '3': an even number from 2 to 36\n",
     1},
    {"class_unknown",
     {"weight", kTan, "--width=1/8", "--strands=4", "--class=F2"},
     "",
     "kestrune-calc: --class 'F2': no such class (None, F1B 30 g, F1G 10 g, P-30 10 g, F1M 1.5 "
     "g, F1D 0.6 g)\n",
     1},
    {"unknown_option",
     {"torque", "--length", "3"},
     "",
     "kestrune-calc: unknown option '--length' for torque" + kUsage,
     2},
    {"missing_value",
     {"turns", kTan, "--width"},
     "",
     "kestrune-calc: --width needs a value" + kUsage,
     2},
    {"missing_option",
     {"turns", kTan, "--width=1/8", "--length=1"},
     "",
     "kestrune-calc: --strands is missing" + kUsage,
     2},
    {"input_folder", {"turns", "--input", "/"}, "", "kestrune-calc: /: it is a folder\n", 1},
};

class RunCalc : public testing::TestWithParam<Case> {};

TEST_P(RunCalc, PrintsTheWindowsTextsAndTellsWhyNot) {
    const Case& c = GetParam();
    const FileOpener open = [&](const std::string& path) -> std::unique_ptr<StoredFile> {
        if (path.starts_with("/"))
            return std::make_unique<DiskFile>(path);
        const std::optional<std::string>& bytes = path == "kes.cfg" ? c.cfg
                                                  : path == "motors.csv" || path == "log.csv"
                                                      ? c.input
                                                      : std::nullopt;
        return std::make_unique<MemoryFile>(path, bytes);
    };
    // The same bytes under a decimal-comma locale, for C and C++ alike.
    for (const bool comma : {false, true}) {
        test::DecimalCommaLocale locale;
        if (comma && !locale.active())
            continue;
        const std::locale previous =
            std::locale::global(comma ? std::locale("") : std::locale::classic());
        std::ostringstream out, err;
        EXPECT_EQ(runCalc(c.args, out, err, open), c.status) << comma;
        EXPECT_EQ(out.str(), c.out) << comma;
        EXPECT_EQ(err.str(), c.err) << comma;
        std::locale::global(previous);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RunCalc, testing::ValuesIn(kCases), test::CaseName());

TEST(RunCalcFiles, AFifoIsRefusedWithoutWaiting) {
    const std::string fifo = testing::TempDir() + "/kestrune-calc-fifo";
    ::unlink(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"batches", fifo}, {"energy", fifo}, {"turns", "--input", fifo}}) {
        std::ostringstream out, err;
        EXPECT_EQ(runCalc(args, out, err,
                          [](const std::string& path) { return std::make_unique<DiskFile>(path); }),
                  1);
        EXPECT_EQ(err.str(), "kestrune-calc: " + fifo + ": it is a named pipe, not a file\n")
            << args[0];
    }
    ::unlink(fifo.c_str());
}

} // namespace
} // namespace kestrune
