// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/print.h"

#include "platform/detail/page_output.h"
#include "platform/detail/printout_painting.h"

#include <QPagedPaintDevice>

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
    return detail::printPages(printout.title, parent, [&](QPagedPaintDevice& device) {
        return detail::paintPrintout(device, printout);
    });
}

std::string RenderPdf(const Printout& printout) {
    return detail::renderPdfPages(printout.title, [&](QPagedPaintDevice& device) {
        return detail::paintPrintout(device, printout);
    });
}

} // namespace kestrune::platform
