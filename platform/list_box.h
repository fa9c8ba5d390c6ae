// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A handle to a list box of a created window, reached by id through CWnd: cheap to copy, valid
// while its window exists. Text crosses as UTF-8; the list keeps its rows byte for byte, whatever
// they hold, and gives back exactly what it was given.

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace kestrune::platform {

namespace detail {
class ListBoxControl;
} // namespace detail

class ListBox {
public:
    explicit ListBox(detail::ListBoxControl& control) : control_(&control) {}

    void ResetContent();
    // Index of the new row.
    int AddString(std::string_view text);
    // Inserts before index; -1 appends. Index of the new row, -1 when index is out of range.
    int InsertString(int index, std::string_view text);
    // Rows left, -1 when index is out of range.
    int DeleteString(int index);
    // A list that keeps no text: from now on it is empty, asks rowText for a row's text whenever
    // it shows, measures or gives one, and AddString and InsertString refuse (-1). For a long
    // table of what the program keeps anyway. The program keeps rowText in step with the rows:
    // after a change of what it gives, SetCount, DeleteString or ResetContent and SetCount.
    void SetRowSource(std::function<std::string(int row)> rowText);
    // The rows of a list with a row source are rowText's first count: rows past the old count
    // are added, rows past the new one removed. The count, -1 for a list that keeps its rows.
    int SetCount(int count);
    // A list with a row source shows rows first to last anew, as rowText gives them now, after a
    // change of what it gives for them; false for a list that keeps its rows, or rows it lacks.
    bool RefreshRows(int first, int last);
    int GetCount() const;
    // The row's text with its tabs; empty when index is out of range.
    std::string GetText(int index) const;
    // -1 when no row is selected.
    int GetCurSel() const;
    // Selects the row and scrolls it into view; -1 clears the selection. Raises no notification.
    void SetCurSel(int index);
    // Tab stops of a list with UseTabStops, in dialog units from the row's left: none = every 32,
    // one = every that many, more = at those places (the columns of a table) and every 32 after
    // the last. Places that do not increase are dropped. False for a list without UseTabStops or
    // one row high, which keep theirs.
    bool SetTabStops(std::span<const int> dialogUnits);

private:
    detail::ListBoxControl* control_;
};

} // namespace kestrune::platform
