// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// A page of its own kind for printing and PDF: a title, lines of results, a chart across the
// page's width, and a footer; black on white.

#include "platform/chart.h"
#include "platform/print.h"

#include <functional>
#include <string>
#include <vector>

namespace kestrune::platform {

struct ChartPrintout {
    std::string title;
    std::vector<std::string> lines;
    ChartData chart;
    std::string footer;
};

// As PrintDocument and RenderPdf, for a chart page.
PrintResult PrintChartDocument(const ChartPrintout& printout, CWnd* parent);
std::string RenderChartPdf(const ChartPrintout& printout);

// Receives each chart page's print request instead of the print dialog; empty: the dialog.
void setChartPrintHook(std::function<PrintResult(const ChartPrintout&)> hook);

} // namespace kestrune::platform
