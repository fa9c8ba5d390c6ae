// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/chart_print.h"

#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/detail/chart_page_painting.h"
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

std::function<PrintResult(const ChartPrintout&)>& chartPrintHook() {
    static std::function<PrintResult(const ChartPrintout&)> hook;
    return hook;
}

} // namespace

void setChartPrintHook(std::function<PrintResult(const ChartPrintout&)> hook) {
    chartPrintHook() = std::move(hook);
}

PrintResult PrintChartDocument(const ChartPrintout& printout, CWnd* parent) {
    if (chartPrintHook())
        return chartPrintHook()(printout);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(detail::qtText(printout.title));
    QWidget* owner = parent != nullptr ? parent->widget() : QApplication::activeWindow();
    QPrintDialog dialog(&printer, owner);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    const bool painted = detail::paintChartPage(printer, printout);
    return painted && printer.printerState() != QPrinter::Error ? PrintResult::Printed
                                                                : PrintResult::Failed;
}

std::string RenderChartPdf(const ChartPrintout& printout) {
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
        if (!detail::paintChartPage(writer, printout))
            return {};
    }
    return bytes.toStdString();
}

} // namespace kestrune::platform
