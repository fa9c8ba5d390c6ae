// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Any bytes as a meter's log: readings of finite numbers, as many torques as turns or times, or a
// refusal that says why; and what the results make of them is never infinite or NaN.

#include "batches/meter_log.h"
#include "core/torque_energy.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kestrune;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const MeterLogRead read = readMeterLog(text);
    if (!read.log)
        return read.refusal.empty() ? (std::abort(), 0) : 0;
    const MeterLog& log = *read.log;
    const std::size_t along = log.turns.empty() ? log.seconds.size() : log.turns.size();
    if (log.torques.empty() || along != log.torques.size() || log.howRead.empty())
        std::abort();
    std::vector<TorqueReading> readings;
    for (std::size_t i = 0; i < along; ++i) {
        const double turns = log.turns.empty() ? log.seconds[i] : log.turns[i];
        if (!std::isfinite(turns) || !std::isfinite(log.torques[i]))
            std::abort();
        readings.push_back({turns, log.torques[i]});
    }
    const TorqueEnergy energy = torqueEnergy(readings);
    for (const auto& figure : {energy.peakTorque, energy.energyIn, energy.energyOut,
                               energy.hysteresis, energy.meanTorque}) {
        if (figure && !std::isfinite(*figure))
            std::abort();
    }
    return 0;
}
