// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "list_page_model.h"

#include <utility>

namespace kestrune {

ListPageModel::ListPageModel(const CalcState& state, MotorListBuffer& buffer,
                             ListFileLocation& current)
    : state_(state), buffer_(buffer), current_(current) {}

std::array<std::string, kTurnsSummaryLines> ListPageModel::turnsSummary() const {
    return formatTurnsSummary(state_.turnsMotor);
}

std::array<std::string, kTorqueSummaryLines> ListPageModel::torqueSummary() const {
    return formatTorqueSummary(state_.torqueMotor);
}

std::string ListPageModel::addTurnsRow() {
    modified_ = true;
    return formatTurnsRow(state_.turnsMotor);
}

std::string ListPageModel::addTorqueRow() {
    modified_ = true;
    return formatTorqueRow(state_.torqueMotor);
}

bool ListPageModel::deleteRow(int row) {
    if (row <= 0) // nothing selected, or the header row
        return false;
    modified_ = true;
    return true;
}

FileResult ListPageModel::load(const ListFileLocation& location, StoredFile& file) {
    modified_ = false;
    return loadMotorList(buffer_, current_, location, file);
}

std::vector<std::string> ListPageModel::takeLoadedRows() {
    return std::exchange(buffer_.rows, {});
}

FileResult ListPageModel::save(const MotorListView& list, StoredFile& file) {
    FileResult result = saveMotorList(buffer_, list, file);
    modified_ = modified_ && !result.done();
    return result;
}

FileResult ListPageModel::saveAs(const MotorListView& list, const ListFileLocation& location,
                                 StoredFile& file) {
    FileResult result = saveMotorListAs(buffer_, list, current_, location, file);
    modified_ = modified_ && !result.done();
    return result;
}

FileResult ListPageModel::exportList(const MotorListView& list, StoredFile& file) {
    return exportMotorList(buffer_, list, file);
}

std::optional<std::string> ListPageModel::saveQuestion() const {
    if (!modified_)
        return std::nullopt;
    return "The motor list has changes that are not saved. Save them to " + current_.name + "?";
}

} // namespace kestrune
