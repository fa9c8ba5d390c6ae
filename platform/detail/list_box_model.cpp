// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/list_box_model.h"

#include <QStringDecoder>

namespace kestrune::platform::detail {

QString shownText(std::string_view bytes) {
    if (bytes.size() > kShownBytes) {
        // Cut before a character, not inside one, so UTF-8 stays UTF-8.
        std::size_t end = kShownBytes;
        while (end > kShownBytes - 4 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            --end;
        bytes = bytes.substr(0, end);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return text;
}

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

QModelIndex ListBoxModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || row >= size() || column != 0 || parent.isValid())
        return {};
    return createIndex(row, column);
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= size())
        return {};
    // Assistive technology reads the row with its tabs, whatever the drawing makes of them.
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return shownText(text(index.row()));
    return {};
}

std::string ListBoxModel::text(int row) const {
    return source_ ? source_(row) : rows_.at(row);
}

void ListBoxModel::insert(int row, std::string text) {
    beginInsertRows({}, row, row);
    rows_.insert(row, std::move(text));
    endInsertRows();
}

void ListBoxModel::remove(int row) {
    beginRemoveRows({}, row, row);
    if (source_)
        --sourceRows_;
    else
        rows_.remove(row);
    endRemoveRows();
}

void ListBoxModel::clear() {
    beginResetModel();
    rows_.clear();
    sourceRows_ = 0;
    endResetModel();
}

void ListBoxModel::setSource(std::function<std::string(int row)> rowText) {
    beginResetModel();
    rows_ = {};
    source_ = std::move(rowText);
    sourceRows_ = 0;
    endResetModel();
}

void ListBoxModel::setCount(int count) {
    if (sourceRows_ == 0 && count > 0) {
        // Filled as a whole: a screen reader is told the list changed, not of each row added.
        beginResetModel();
        sourceRows_ = count;
        endResetModel();
    } else if (count > sourceRows_) {
        beginInsertRows({}, sourceRows_, count - 1);
        sourceRows_ = count;
        endInsertRows();
    } else if (count < sourceRows_) {
        beginRemoveRows({}, count, sourceRows_ - 1);
        sourceRows_ = count;
        endRemoveRows();
    }
}

void ListBoxModel::changed(int first, int last) {
    emit dataChanged(index(first), index(last));
}

} // namespace kestrune::platform::detail
