// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/print.h"
#include "tests/support/modal.h"
#include "tests/support/temp_folder.h"

#include <QDialog>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace kestrune::test {
namespace {

using namespace kestrune::platform;

Printout card(int rows) {
    Printout printout{"Winding card",
                      {"TanII 1/8\" 14 strands, 30.00 in", "Kestrune 1.0"},
                      {"%", "Turns", "Cranks", "Torque (N\xC2\xB7mm)"},
                      {},
                      "Printed 2026-05-01"};
    for (int i = 0; i < rows; ++i)
        printout.rows.push_back({std::to_string(100 - i), std::to_string(1130 + i),
                                 std::to_string(70 + i), "row " + std::to_string(i)});
    return printout;
}

// What a poppler tool says about the file.
QString ask(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString() << " did not finish";
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfCase {
    const char* name;
    QLocale locale;
    int rows;
    const char* paper; // as pdfinfo names it
};

void PrintTo(const PdfCase& c, std::ostream* out) {
    *out << c.name;
}

class PdfTest : public testing::TestWithParam<PdfCase> {};

// Read back as a person's PDF reader would: one page, every text on it (text off the page is
// not extracted).
TEST_P(PdfTest, OnePageWithEveryText) {
    const PdfCase& c = GetParam();
    QLocale::setDefault(c.locale);
    const Printout printout = card(c.rows);
    const std::string pdf = RenderPdf(printout);
    QLocale::setDefault(QLocale::system());
    TempFolder temp;
    writeBytes(temp / "card.pdf", pdf);
    const QString file = QString::fromStdString((temp / "card.pdf").string());

    const QString info = ask(QStringLiteral("pdfinfo"), {file});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QLatin1String(c.paper))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Winding card"))));
    const QString text = ask(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, "-"});
    std::vector<std::string> expected{printout.title, printout.footer};
    expected.insert(expected.end(), printout.lines.begin(), printout.lines.end());
    expected.insert(expected.end(), printout.header.begin(), printout.header.end());
    expected.insert(expected.end(), printout.rows.back().begin(), printout.rows.back().end());
    for (const std::string& piece : expected)
        EXPECT_TRUE(text.contains(QString::fromStdString(piece))) << piece;
}

INSTANTIATE_TEST_SUITE_P(
    Print, PdfTest,
    testing::Values(PdfCase{"a4_where_the_locale_is_metric",
                            QLocale(QLocale::German, QLocale::Germany), 11, "(A4)"},
                    PdfCase{"letter_where_the_locale_measures_in_us_units",
                            QLocale(QLocale::English, QLocale::UnitedStates), 11, "(letter)"},
                    PdfCase{"a_long_table_shrinks_onto_the_page",
                            QLocale(QLocale::English, QLocale::UnitedKingdom), 300, "(A4)"}),
    [](const testing::TestParamInfo<PdfCase>& param) { return param.param.name; });

TEST(Print, TheHookStandsInForTheDialog) {
    std::vector<std::string> asked;
    setPrintHook([&](const Printout& printout) {
        asked.push_back(printout.title);
        return PrintResult::Failed;
    });
    EXPECT_EQ(PrintDocument(card(1), nullptr), PrintResult::Failed);
    setPrintHook({});
    EXPECT_EQ(asked, std::vector<std::string>{"Winding card"});
}

TEST(Print, TheDesktopsDialogCancelledPrintsNothing) {
    std::string shown;
    answerNextModal([&](QWidget* window) {
        shown = window->metaObject()->className();
        static_cast<QDialog*>(window)->reject();
    });
    EXPECT_EQ(PrintDocument(card(1), nullptr), PrintResult::Cancelled);
    EXPECT_EQ(shown, "QPrintDialog");
}

} // namespace
} // namespace kestrune::test
