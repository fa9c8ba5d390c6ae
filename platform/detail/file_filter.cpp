// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/file_filter.h"

#include "platform/detail/qt_text.h"

namespace kestrune::platform::detail {

QStringList nameFilters(std::string_view filter) {
    const QString text = qtText(filter);
    QStringList parts = text.split(QLatin1Char('|'));
    while (!parts.isEmpty() && parts.last().isEmpty()) {
        parts.removeLast();
    }
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        const qsizetype paren = description.lastIndexOf(QLatin1Char('('));
        if (paren > 0 && description.endsWith(QLatin1Char(')'))) {
            description = description.left(paren).trimmed();
        }
        QStringList patterns;
        for (const QString& pattern : parts.at(i + 1).split(QLatin1Char(';'))) {
            const QString trimmed = pattern.trimmed();
            if (!trimmed.isEmpty()) {
                patterns.append(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
            }
        }
        if (!patterns.isEmpty()) {
            filters.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                           QLatin1Char(')'));
        }
    }
    return filters;
}

} // namespace kestrune::platform::detail
