// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Printing, and the same pages as a PDF: the program describes what to print as data, the layer
// lays it out as a card black on white, with thin rules and no fills, across the page's width in
// type of 12 points or more, on further pages when one does not hold it.

#include <functional>
#include <string>
#include <vector>

namespace kestrune::platform {

class CWnd;

// One page: a title, lines of text under it, a table (column heads and rows of cells), and a
// footer line. Text is UTF-8.
struct Printout {
    std::string title;
    std::vector<std::string> lines;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::string footer;
};

enum class PrintResult { Printed, Cancelled, Failed };

// Opens the desktop's print dialog over parent (nullptr: the active window) and prints the
// printout when the user says so: through the print seam.
PrintResult PrintDocument(const Printout& printout, CWnd* parent);

// The printout as the bytes of a PDF: on A4 paper, or US Letter where the locale
// measures in US units. Empty when the PDF could not be made.
std::string RenderPdf(const Printout& printout);

// Receives each print request instead of the print dialog (tests do); an empty function brings
// back the dialog.
void setPrintHook(std::function<PrintResult(const Printout&)> hook);

} // namespace kestrune::platform
