// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What every list box is to the ListBox face: rows kept byte for byte (or made when shown) in a
// ListBoxModel, one selection, and the notifications its window gets. The two kinds
// (OneLineListBox and ManyLineList) show the rows; the builder chooses one from the template.

#include "platform/dialog_template.h"
#include "platform/win_constants.h"

#include <QAbstractItemView>
#include <functional>
#include <span>
#include <string>

class QKeyEvent;

namespace kestrune::platform::detail {

class ListBoxModel;

class ListBoxControl {
public:
    virtual ~ListBoxControl();
    ListBoxControl(const ListBoxControl&) = delete;
    ListBoxControl& operator=(const ListBoxControl&) = delete;

    void setNotifier(std::function<void(Notification)> notify) { notify_ = std::move(notify); }

    void resetContent();
    int insertString(int index, std::string text);
    int deleteString(int index);
    int count() const;
    // The row's bytes as added; empty when index is out of range.
    std::string text(int index) const;
    // See ListBox::SetRowSource and ListBox::SetCount.
    void setRowSource(std::function<std::string(int row)> rowText);
    int setCount(int count);
    bool refreshRows(int first, int last);
    int curSel() const;
    void setCurSel(int index);
    // See ListBox::SetTabStops; a list that keeps its tab stops says false.
    virtual bool setTabStops(std::span<const int> /*dialogUnits*/) { return false; }

protected:
    // view: the widget that shows the rows (the derived class itself), which sets the model.
    ListBoxControl(QAbstractItemView& view, unsigned style);

    ListBoxModel& rows() const { return *model_; }
    unsigned listStyle() const { return style_; }

    // What the kind of list does when rows come and go: a row added is in the rows already, a
    // row removed still is.
    virtual void rowsCleared() {}
    virtual void rowAdded(int row) = 0;
    virtual void rowRemoved(int row) = 0;
    virtual void rowChanged(int row) { rowAdded(row); }

    // Runs a piece of user input and tells the window when it changed the selection.
    template <class Input> void asUser(Input&& input) {
        const int before = curSel();
        input();
        if (curSel() != before && (style_ & style::Notify))
            tell(LBN_SELCHANGE);
    }
    void tell(Notification code) const;
    void selectRow(int row);
    // Delete tells the window (which may delete the selected row); true when the key was it.
    bool tellDeleteKey(const QKeyEvent& event) const;
    void tellFocus(Qt::FocusReason reason) const;

private:
    QAbstractItemView& view_;
    ListBoxModel* model_;
    unsigned style_;
    std::function<void(Notification)> notify_;
};

} // namespace kestrune::platform::detail
