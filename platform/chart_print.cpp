// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/chart_print.h"

#include "platform/detail/chart_page_painting.h"
#include "platform/detail/page_output.h"

#include <QPagedPaintDevice>

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
    return detail::printPages(printout.title, parent, [&](QPagedPaintDevice& device) {
        return detail::paintChartPage(device, printout);
    });
}

std::string RenderChartPdf(const ChartPrintout& printout) {
    return detail::renderPdfPages(printout.title, [&](QPagedPaintDevice& device) {
        return detail::paintChartPage(device, printout);
    });
}

} // namespace kestrune::platform
