// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/iso_date.h"
#include "core/number_text.h"
#include "files/file_io.h"
#include "platform/print.h"
#include "platform/seams.h"
#include "tests/support/locale_guard.h"
#include "tests/support/program_files.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/page_sheet.h"
#include "ui/resources/dialog_templates.h"

#include <QClipboard>
#include <QProcess>
#include <cmath>
#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace kestrune::test {
namespace {

using namespace platform;

struct Motor {
    int type, width, strandsIndex;
    const char* length; // typed on the Breaking Turns page, in inches
    bool vorlick;
    double k, kq; // the type's constants in kes.cfg
};

// The card's row at the limit, from the formulas as the modeller's tables print them.
std::string modelRow(const Motor& m, int limit, int ratio, LengthUnit unit) {
    const double w = kStripWidths[static_cast<std::size_t>(m.width)].inches;
    const double n = 2 + 2 * m.strandsIndex, d = n * w, a = 4 * d, c = 0.25 / d;
    const double tpi = m.vorlick ? (2 - w) * 80 / std::sqrt(n)
                                 : (d > 0.25 ? m.k / std::sqrt(a) : std::sqrt(c) * m.k);
    double q = m.vorlick ? std::pow(n, 1.38) * (5 * w + 0.45)
                         : (d > 0.25 ? a * std::sqrt(a) * m.kq : m.kq / (c * std::sqrt(c)));
    q = (q + (m.kq != 0 ? 0.005 : 0)) * (limit * 0.01);
    const int turns = static_cast<int>(static_cast<int>(std::stoi(m.length) * tpi) * limit * 0.01);
    std::string row = std::to_string(limit) + "\t";
    row += tpi == 0 ? "Undefined\t\t"
                    : std::to_string(turns) + "\t" + std::to_string(turns / ratio) + "\t";
    row += q == 0 ? "Undefined" : fixed(q, 2);
    return row + (unit == LengthUnit::Inch ? "" : "\t" + (q == 0 ? "" : fixed(q * 7.0615518, 1)));
}

class WindingPageTest : public PageSheetTest {
protected:
    std::string cardRow(int index) { return winding_.GetListBox(IDC_CARD).GetText(index); }
    std::string text(int id) { return winding_.GetEdit(id).GetWindowText(); }
};

// The motor is set on the Breaking Turns page; the card must show what that page and the
// Breaking Torque page show at every limit, and what the formulas give.
TEST_F(WindingPageTest, CardIsWhatTheCalculationPagesShowAtEveryLimit) {
    writeFileAtomically(settingsFilePath(), "107\n0\n90\n2.70\n0.00\n1.50\n");
    const struct {
        Motor m;
        int ratio;
        LengthUnit unit;
        bool decimalComma;
    } cases[] = {{{TanII, 2, 1, "10", false, 107, 2.7}, 16, LengthUnit::Inch, false},
                 {{TanSport, 4, 5, "23", false, 90, 1.5}, 13, LengthUnit::Millimetre, true},
                 {{TanSuperSport, 0, 17, "40", false, 0, 0}, 5, LengthUnit::Inch, true},
                 {{TanSuperSport, 3, 0, "7", true, 0, 0}, 1, LengthUnit::Millimetre, false}};
    runSheet([&](QWidget*) {
        for (const auto& [m, ratio, unit, comma] : cases) {
            std::optional<DecimalCommaLocale> locale;
            EXPECT_EQ(comma && locale.emplace().active(), comma);
            std::vector<std::string> shown(kLimitCount);
            for (const auto& [index, result] :
                 {std::pair{TurnsPage, IDC_TURNS_RESULT}, {TorquePage, IDC_TORQUE_RESULT}}) {
                CWnd& page = index == TurnsPage ? static_cast<CWnd&>(turns_) : torque_;
                activate(index);
                chooseEntry(page, IDC_TYPE, m.type);
                chooseEntry(page, IDC_WIDTH, m.width);
                chooseEntry(page, IDC_STRANDS, m.strandsIndex);
                if (page.GetButton(IDC_VORLICK).GetCheck() != m.vorlick)
                    QTest::mouseClick(page.GetDlgItem(IDC_VORLICK), Qt::LeftButton);
                if (index == TurnsPage)
                    enter(page, IDC_LENGTH, m.length);
                for (int i = 0; i < kLimitCount; ++i) {
                    chooseEntry(page, IDC_LIMIT, i);
                    shown[static_cast<std::size_t>(i)] += topLine(page, result) + "|";
                }
            }
            preferences().setUnits(unit);
            preferences().setWinderRatio(ratio);
            activate(WindingPage);
            EXPECT_EQ(cardRow(0), std::string("%\tTurns\tCranks\tTorque") +
                                      (unit == LengthUnit::Inch ? "" : "\tN·mm"));
            for (int i = 0; i < kLimitCount; ++i) {
                const QStringList row = QString::fromStdString(cardRow(i + 1)).split('\t');
                EXPECT_EQ(cardRow(i + 1), modelRow(m, limitAt(i), ratio, unit));
                EXPECT_EQ((row[1] + "|" + row[3] + "|").toStdString(),
                          shown[static_cast<std::size_t>(i)]);
            }
        }
    });
}

// Each line is entered on a page (0 Breaking Turns, 1 Breaking Torque, 2 Winding) after the
// lines above it, under a decimal-comma locale; then the Winding page shows the row at 80 %, the
// stretched length, the winder ratio and stretch kept, its Strands entry, Length and Vorlick,
// and why a column is empty. The Breaking Turns motor is taken only when it changed, and an
// empty Length there leaves the card's length.
TEST_F(WindingPageTest, BadInputIsRefusedAndTheTurnsPageMotorTakenWhenItChanged) {
    const char* ratioNote = "Winder ratio: a whole number from 1 up";
    const struct {
        int page, id;
        const char *typed, *shows, *note;
    } lines[] = {
        {2, IDC_LENGTH, "10", "80\t604\t37\t6.11|40.00 inch|16 4|1 10 0", ""},
        {2, IDC_WINDER_RATIO, "7", "80\t604\t86\t6.11|40.00 inch|7 4|1 10 0", ""},
        {2, IDC_WINDER_RATIO, "0", "80\t604\t\t6.11|40.00 inch|7 4|1 10 0", ratioNote},
        {2, IDC_WINDER_RATIO, "99999999999", "80\t604\t\t6.11|40.00 inch|999999999 4|1 10 0",
         ratioNote},
        {2, IDC_WINDER_RATIO, "", "80\t604\t\t6.11|40.00 inch|999999999 4|1 10 0", ratioNote},
        {2, IDC_LENGTH, "-5", "80\t\t\t6.11||999999999 4|1 -5 0", ratioNote},
        {2, IDC_LENGTH, "1e400", "80\t\t\t6.11||999999999 4|1 1e400 0", ratioNote},
        {2, IDC_LENGTH, "1e9", "80\tUndefined\t\t6.11|4000000000.00 inch|999999999 4|1 1e9 0",
         ratioNote},
        {2, IDC_LENGTH, "", "80\t\t\t6.11||999999999 4|1  0", ratioNote},
        {2, IDC_WINDER_RATIO, "20", "80\t\t\t6.11||20 4|1  0", ""},
        {2, IDC_LENGTH, "-5", "80\t\t\t6.11||20 4|1 -5 0", "Length: a number above 0"},
        {2, IDC_LENGTH, "12.5", "80\t756\t37\t6.11|50.00 inch|20 4|1 12.5 0", ""},
        {2, IDC_STRETCH, "1", "80\t756\t37\t6.11|43.75 inch|20 3.5|1 12.5 0", ""},
        {2, IDC_STRANDS, "3", "80\t534\t26\t17.28|43.75 inch|20 3.5|3 12.5 0", ""},
        {1, IDC_STRANDS, "5", "80\t534\t26\t17.28|43.75 inch|20 3.5|3 12.5 0", ""},
        {0, IDC_LENGTH, "", "80\t756\t37\t6.11|43.75 inch|20 3.5|1 12.5 0", ""},
        {0, IDC_LENGTH, "12", "80\t725\t36\t6.11|42.00 inch|20 3.5|1 12 0", ""},
        {0, IDC_VORLICK, "", "80\t720\t36\t5.83|42.00 inch|20 3.5|1 12 1", ""}};
    DecimalCommaLocale locale;
    KESTRUNE_REQUIRE_DECIMAL_COMMA(locale);
    runSheet([&](QWidget*) {
        CWnd* pages[] = {&turns_, &torque_, &winding_};
        for (const auto& line : lines) {
            activate(line.page == 2 ? WindingPage : static_cast<PageIndex>(line.page));
            enter(*pages[line.page], line.id, line.typed);
            activate(WindingPage);
            EXPECT_EQ(cardRow(5) + "|" + text(IDC_STRETCHED_LENGTH) + "|" +
                          std::to_string(preferences().winderRatio()) + " " +
                          formatShortest(preferences().stretch()) + "|" +
                          std::to_string(winding_.GetListBox(IDC_STRANDS).GetCurSel()) + " " +
                          text(IDC_LENGTH) + " " +
                          std::to_string(winding_.GetButton(IDC_VORLICK).GetCheck()),
                      line.shows);
            EXPECT_EQ(winding_.GetDlgItem(IDC_CARD_NOTE)->property("text").toString(), line.note)
                << line.typed;
        }
        preferences().setUnits(LengthUnit::Millimetre);
        activate(ListPage);
        activate(WindingPage);
        EXPECT_EQ(text(IDC_LENGTH) + " " + text(IDC_STRETCHED_LENGTH), "304.8 1066.8 mm");
    });
}

// What is typed and chosen on the page reaches its card, the note its label, and the units the
// preferences have when the page is shown again its boxes and label.
TEST_F(WindingPageTest, InputsReachTheCardAndTheNoteItsLabel) {
    const struct {
        int id;
        const char *typed, *shows, *note;
    } lines[] = {{IDC_LENGTH, "-5", "80\t\t\t6.11|", "Length: a number above 0"},
                 {IDC_LENGTH, "12.5", "80\t756\t47\t6.11|50.00 inch", ""},
                 {IDC_WINDER_RATIO, "0", "80\t756\t\t6.11|50.00 inch",
                  "Winder ratio: a whole number from 1 up"},
                 {IDC_WINDER_RATIO, "20", "80\t756\t37\t6.11|50.00 inch", ""},
                 {IDC_STRETCH, "1", "80\t756\t37\t6.11|43.75 inch", ""},
                 {IDC_STRANDS, "3", "80\t534\t26\t17.28|43.75 inch", ""},
                 {IDC_WIDTH, "3", "80\t436\t21\t31.75|43.75 inch", ""},
                 {IDC_TYPE, "2", "80\tUndefined\t\tUndefined|43.75 inch", ""},
                 {IDC_VORLICK, "", "80\t512\t25\t19.57|43.75 inch", ""}};
    runSheet([&](QWidget*) {
        activate(WindingPage);
        for (const auto& line : lines) {
            enter(winding_, line.id, line.typed);
            EXPECT_EQ(cardRow(5) + "|" + text(IDC_STRETCHED_LENGTH), line.shows) << line.typed;
            EXPECT_EQ(winding_.GetDlgItem(IDC_CARD_NOTE)->property("text").toString(), line.note);
        }
        preferences().setUnits(LengthUnit::Millimetre);
        activate(ListPage);
        activate(WindingPage);
        EXPECT_EQ(
            text(IDC_LENGTH) + " " + text(IDC_STRETCHED_LENGTH) + " " +
                winding_.GetDlgItem(IDC_LENGTH_UNIT)->property("text").toString().toStdString(),
            "317.5 1111.2 mm mm");
    });
}

TEST_F(WindingPageTest, CopyPrintAndSavePdfCarryTheCard) {
    TempFolder folder;
    std::vector<std::string> told;
    std::optional<Printout> printed;
    std::filesystem::path chosen = folder / "card";
    setMessageHook([&](const std::string&, const std::string& text) { told.push_back(text); });
    setPrintHook([&](const Printout& p) { return printed = p, PrintResult::Failed; });
    setFileDialogHook([&](const FileDialogRequest&) { return chosen; });
    runSheet([&](QWidget* sheet) {
        activate(WindingPage);
        enter(winding_, IDC_LENGTH, "10");
        clickButton(sheet, "Copy");
        std::string card;
        for (int i = 0; i <= kLimitCount; ++i)
            card += cardRow(i) + "\n";
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), card);
        clickButton(sheet, "Print…");
        ASSERT_TRUE(printed && printed->rows.size() == kLimitCount);
        ASSERT_EQ(told.size(), 1U) << "a failed print is told";
        setPrintHook({});
        answerNextModal([](QWidget* dialog) { dialog->close(); });
        clickButton(sheet, "Print…");
        EXPECT_EQ(std::ssize(told) + pendingModalAnswers(), 1) << "the print dialog, cancelled";

        clickButton(sheet, "Save PDF…");
        QProcess pdftotext;
        pdftotext.start("pdftotext",
                        {"-layout", QString::fromStdString(chosen.string() + ".pdf"), "-"});
        ASSERT_TRUE(pdftotext.waitForFinished(30000));
        const QString pdf = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        for (const std::string& piece :
             {std::string("Motor: Tan II, 4 strands of 1/8\" strip, 10.00 inch long"),
              std::string("turns constant 107, torque constant 2.70 Winder ratio 16:1"),
              std::string("Cranks Torque 100 756 47 7.64"), std::string("80 604 37 6.11"),
              "Kestrune " KESTRUNE_VERSION ", " + todayIsoDate()})
            EXPECT_TRUE(pdf.contains(QString::fromStdString(piece))) << pdf.toStdString();

        // A folder in the way, a folder that is a file, and a disk that is full.
        std::filesystem::create_directory(folder / "taken.pdf");
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        for (const std::filesystem::path& bad :
             {folder / "taken.pdf", folder / "card.pdf" / "x.pdf", folder / "full.pdf"}) {
            rlimit small = saved;
            small.rlim_cur = bad.filename() == "full.pdf" ? 512 : saved.rlim_cur;
            setrlimit(RLIMIT_FSIZE, &small);
            chosen = bad;
            clickButton(sheet, "Save PDF…");
            setrlimit(RLIMIT_FSIZE, &saved);
            EXPECT_NE(told.back().find('"' + bad.string() + "\": "), std::string::npos);
        }
        std::signal(SIGXFSZ, handler);
        EXPECT_EQ(told.size(), 4U);
        EXPECT_FALSE(std::filesystem::exists(folder / "full.pdf")) << "nothing half-written";
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
    });
    setMessageHook({});
    setFileDialogHook({});
}

} // namespace
} // namespace kestrune::test
