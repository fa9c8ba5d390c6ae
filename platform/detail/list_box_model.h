// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The rows of a list box, kept byte for byte as the program gives them (a list file's row may
// hold any bytes) and decoded only to be shown; or, for a long table of what the program keeps
// anyway, made by the program when they are shown.

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

namespace kestrune::platform::detail {

// The text a row shows: UTF-8, the program's own text; a row that is not (an 8-bit list file's)
// shows as Latin-1, so every byte still shows as a character of its own. Only the first
// kShownBytes of a row are shown: nobody reads further along one line, and a row of megabytes
// would take seconds to lay out.
inline constexpr std::size_t kShownBytes = 4096;
QString shownText(std::string_view bytes);

class ListBoxModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    // The view asks for every row's index on each layout: answered without virtual calls.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    int size() const { return source_ ? sourceRows_ : static_cast<int>(rows_.size()); }
    std::string text(int row) const;
    // Inserting on top does not copy the other rows.
    void insert(int row, std::string text);
    void remove(int row);
    void clear();

    // From now on the rows are made when asked, by rowText, and none is kept; the list is empty.
    void setSource(std::function<std::string(int row)> rowText);
    bool keepsRows() const { return !source_; }
    // A made list's rows are the source's first count; rows come or go at the end.
    void setCount(int count);
    // The source gives other texts for rows first to last.
    void changed(int first, int last);

private:
    QList<std::string> rows_;
    std::function<std::string(int)> source_;
    int sourceRows_ = 0;
};

} // namespace kestrune::platform::detail
