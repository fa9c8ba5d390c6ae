// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What kestrune-calc says about its own use: the usage line of a usage error, and --help, the
// man page in short.

#include <string_view>

namespace kestrune {

inline constexpr std::string_view kUsageLine =
    "usage: kestrune-calc turns|torque|weight|card|batches|energy [OPTION...] (kestrune-calc "
    "--help)\n";

inline constexpr std::string_view kHelpText =
    R"(usage: kestrune-calc COMMAND [OPTION...]
Kestrune's numbers for the rubber motor of a model aircraft, on the command line.

  turns   --type T --width W --strands N --length L [--limit P] [--vorlick]
          breaking turns; L in whole inches, as the Breaking Turns page takes it
  torque  --type T --width W --strands N [--limit P] [--vorlick]
          breaking torque in oz-in
  weight  --type T --width W --strands N (--length L | --weight G | --class C)
          [--units inch|mm] [--thickness X] [--density D] [--limit P]
          a motor's weight from its length or its length from a weight, as Motor Weight
  card    --type T --width W --strands N --length L [--vorlick] [--ratio R]
          [--stretch S] [--units inch|mm]
          the winding card: turns, cranks and torque at every limit
  batches [FILE]
          the summary of each batch of a batch log (kes-batches.csv)
  energy  FILE [--weight G] [--total-turns N] [--at-torque Q]
          a torque meter's log as the Torque Test reads it: peak torque, energy
          in and out, per weight (G grams), hysteresis, mean torque, the turns at
          Q oz-in; N: the turns a log of time (not turns) was wound

  T: Tan II, Tan Super Sport, Tan Sport   W: 1/16, 3/32, 1/8, 3/16, 1/4
  N: 2, 4 ... 36   P: 100, 95 ... 50 (80)  C: F1B or F1B 30 g, F1G, P-30, F1M, F1D
  Names match without regard to case.

Options for every motor:
  --format text|csv|json   the window's texts one a line (the default), CSV with a
                           header line, or a JSON object a result
  --input FILE             one motor a line of a CSV file whose header names the
                           options without their dashes (flags as 1/0, yes/no, true/false)
  --constants FILE         the constants of another kes.cfg
  --turns-constant K, --torque-constant K
                           the type's constant outright

Constants and preferences come from kes.cfg and kes-prefs.cfg in the current folder,
as Kestrune reads them; nothing is ever written.
Exit status: 0 done ("Undefined" is a result), 1 a value or line that gives no result or
a file that cannot be read, 2 a usage error. See kestrune-calc(1).
)";

} // namespace kestrune
