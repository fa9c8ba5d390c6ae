// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/tab_stops.h"

#include "platform/detail/dialog_units.h"

#include <cmath>

namespace kestrune::platform::detail {

TabStops::TabStops(qreal every, std::vector<qreal> places)
    : places_(std::move(places)), every_(every) {}

TabStops TabStops::fromDialogUnits(std::span<const int> stops, const DialogUnits& units,
                                   qreal every) {
    if (stops.size() == 1)
        return TabStops(stops.front() > 0 ? units.x(stops.front()) : every);
    std::vector<qreal> places;
    int last = 0;
    for (const int stop : stops) {
        if (stop > last) {
            places.push_back(units.x(stop));
            last = stop;
        }
    }
    return TabStops(every, std::move(places));
}

qreal TabStops::after(qreal x) const {
    for (const qreal place : places_) {
        if (place > x)
            return place;
    }
    return (std::floor(x / every_) + 1) * every_;
}

void TabStops::applyTo(QTextOption& option) const {
    if (!expands())
        return;
    option.setTabStopDistance(every_);
    option.setTabArray(QList<qreal>(places_.begin(), places_.end()));
}

} // namespace kestrune::platform::detail
