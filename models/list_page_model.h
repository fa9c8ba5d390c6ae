// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The List page without its window: the last turns and torque motors as summaries, the rows the
// page adds, whether the list has changes not saved, and the work behind Load, Save, SaveAs and
// Print. The rows themselves stay in the page's list, which lends them to the files.

#include "core/calc_state.h"
#include "core/stored_file.h"
#include "list/list_files.h"
#include "list/motor_rows.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kestrune {

class ListPageModel {
public:
    // The motors come from the calculation state; the buffer carries rows between the list and
    // the files; current is the list file Save writes to.
    ListPageModel(const CalcState& state, MotorListBuffer& buffer, ListFileLocation& current);

    std::array<std::string, kTurnsSummaryLines> turnsSummary() const;
    std::array<std::string, kTorqueSummaryLines> torqueSummary() const;

    // "Add" and "Addd": the row of the last turns or torque motor, for the end of the list.
    std::string addTurnsRow();
    std::string addTorqueRow();
    // Delete of the list's row: true when the page removes it (the header row stays).
    bool deleteRow(int row);

    // Load, and the first display with defaultListFile(): file is the stored file at location.
    // The rows read, for the list under its header row, come from takeLoadedRows.
    FileResult load(const ListFileLocation& location, StoredFile& file);
    std::vector<std::string> takeLoadedRows();
    // Save into the current list file, SaveAs into another one that becomes it, Print into a
    // text export with the header row.
    FileResult save(const MotorListView& list, StoredFile& file);
    FileResult saveAs(const MotorListView& list, const ListFileLocation& location,
                      StoredFile& file);
    FileResult exportList(const MotorListView& list, StoredFile& file);

    const ListFileLocation& currentFile() const { return current_; }
    // Before the list is dropped (the sheet closes, or Load replaces it): the question for a
    // list with rows added or deleted since it was last loaded or saved.
    std::optional<std::string> saveQuestion() const;

private:
    const CalcState& state_;
    MotorListBuffer& buffer_;
    ListFileLocation& current_;
    bool modified_ = false;
};

} // namespace kestrune
