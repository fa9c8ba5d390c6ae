// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/page_output.h"

#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/detail/qt_text.h"

#include <QApplication>
#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace kestrune::platform::detail {

PrintResult printPages(std::string_view title, CWnd* parent, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qtText(title));
    QWidget* owner = parent != nullptr ? parent->widget() : QApplication::activeWindow();
    QPrintDialog dialog(&printer, owner);
    // No ranges to choose, nothing to collate.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    const bool painted = paint(printer);
    return painted && printer.printerState() != QPrinter::Error ? PrintResult::Printed
                                                                : PrintResult::Failed;
}

std::string renderPdfPages(std::string_view title, const PagePainter& paint) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(qtText(title));
        if (const CWinApp* app = AfxGetApp())
            writer.setCreator(qtText(app->identity().name));
        const bool usUnits = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        writer.setPageLayout(QPageLayout(QPageSize(usUnits ? QPageSize::Letter : QPageSize::A4),
                                         QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        if (!paint(writer))
            return {};
    }
    return bytes.toStdString();
}

} // namespace kestrune::platform::detail
