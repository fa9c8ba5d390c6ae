#pragma once
// The list box: a list view over a vector of rows, fast with a hundred thousand rows (uniform
// row heights, rows inserted at the top without copying the others). Rows are kept byte for byte
// as the program gives them (a list file's row may hold any bytes) and decoded only to be shown. A
// one-line list box (a viewport too low for two rows) shows one row, with small up/down arrows when
// it has a scroll bar, and steps with the arrow keys, the wheel and the arrows; it stays a list
// with a current selection.

#include "platform/dialog_template.h"
#include "platform/win_constants.h"

#include <QAbstractListModel>
#include <QList>
#include <QListView>
#include <QString>
#include <functional>
#include <string>

namespace kestrune::platform::detail {

class ListBoxModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    // The view asks for every row's index on each layout: answered without virtual calls.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    int size() const { return static_cast<int>(rows_.size()); }
    const std::string& at(int row) const { return rows_.at(row); }
    void insert(int row, std::string text);
    void remove(int row);
    void clear();

private:
    QList<std::string> rows_;
};

class ListBoxArrows;

class ListBoxControl final : public QListView {
public:
    // tabStop: the distance of tab stops in pixels for UseTabStops.
    ListBoxControl(unsigned style, qreal tabStop, QWidget* parent);

    void setNotifier(std::function<void(Notification)> notify) { notify_ = std::move(notify); }

    void resetContent();
    int addString(std::string text);
    int insertString(int index, std::string text);
    int deleteString(int index);
    int count() const { return model_->size(); }
    // The row's bytes as added; empty when index is out of range.
    std::string text(int index) const;
    // The row as it is shown.
    QString displayText(int index) const;
    int curSel() const;
    void setCurSel(int index);

    bool isOneLine() const { return oneLine_; }
    // Decides between one-line and many-line display from the control's height; the layer calls
    // it once the geometry is set, before the window is shown.
    void updateOneLine();
    int rowHeight() const;
    // The highest height up to the given one that shows whole rows (at least one).
    int integralHeight(int height) const;
    qreal tabStop() const { return tabStop_; }
    bool expandsTabs() const { return (style_ & style::UseTabStops) != 0; }
    // One step up (-1) or down (+1), as the user asked for it.
    void stepByUser(int delta);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

public:
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

private:
    // Runs a piece of user input and tells the window when it changed the selection.
    template <class Input> void asUser(Input&& input);
    void selectRow(int row);
    void showTopRow(int row);
    void widenFor(const QString& text);

    unsigned style_;
    qreal tabStop_;
    ListBoxModel* model_;
    ListBoxArrows* arrows_ = nullptr;
    bool oneLine_ = false;
    int topRow_ = 0; // the row a one-line list box shows
    int wheelRemainder_ = 0;
    std::function<void(Notification)> notify_;
};

} // namespace kestrune::platform::detail
