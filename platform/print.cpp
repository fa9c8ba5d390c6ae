// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/print.h"

#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/detail/printout_painting.h"
#include "platform/detail/qt_text.h"

#include <QApplication>
#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace kestrune::platform {

namespace {

std::function<PrintResult(const Printout&)>& printHook() {
    static std::function<PrintResult(const Printout&)> hook;
    return hook;
}

} // namespace

void setPrintHook(std::function<PrintResult(const Printout&)> hook) {
    printHook() = std::move(hook);
}

PrintResult PrintDocument(const Printout& printout, CWnd* parent) {
    if (printHook())
        return printHook()(printout);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(detail::qtText(printout.title));
    QWidget* owner = parent != nullptr ? parent->widget() : QApplication::activeWindow();
    QPrintDialog dialog(&printer, owner);
    // One page: no ranges to choose, nothing to collate.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    const bool painted = detail::paintPrintout(printer, printout);
    return painted && printer.printerState() != QPrinter::Error ? PrintResult::Printed
                                                                : PrintResult::Failed;
}

std::string RenderPdf(const Printout& printout) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(detail::qtText(printout.title));
        if (const CWinApp* app = AfxGetApp())
            writer.setCreator(detail::qtText(app->identity().name));
        const bool usUnits = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        writer.setPageLayout(QPageLayout(QPageSize(usUnits ? QPageSize::Letter : QPageSize::A4),
                                         QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        if (!detail::paintPrintout(writer, printout))
            return {};
    }
    return bytes.toStdString();
}

} // namespace kestrune::platform
