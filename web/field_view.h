// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Every text the field page shows, keyed by the id of the element that shows it, so that the page
// only puts texts where they belong and never computes one itself.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrune {

struct FieldView {
    template <typename T> using Keyed = std::vector<std::pair<std::string, T>>;
    using Rows = std::vector<std::vector<std::string>>;

    std::string tab;                       // the page shown: turns, card, weight or constants
    Keyed<std::string> texts;              // boxes, labels and results
    Keyed<std::vector<std::string>> lists; // the entries of each list
    Keyed<int> selected;                   // each list's selected entry, -1 for none
    Keyed<bool> checked;                   // each tick box
    Keyed<Rows> tables;                    // each table's rows of cells, its header first
    // What the browser keeps between visits: the kes.cfg and kes-prefs.cfg the page would write.
    std::string keptSettings, keptPreferences;

    // The text of an element; nothing when the view has none for it.
    const std::string* text(std::string_view id) const;
};

} // namespace kestrune
