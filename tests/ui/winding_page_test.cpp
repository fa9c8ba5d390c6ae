// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/file_io.h"
#include "core/iso_date.h"
#include "platform/print.h"
#include "platform/seams.h"
#include "tests/support/locale_guard.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/page_sheet.h"
#include "ui/resources/dialog_templates.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <charconv>
#include <cmath>
#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace kestrune::test {
namespace {

using namespace platform;

std::string fixed(double value, int decimals) {
    std::string text(400, '\0');
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::fixed, decimals);
    return text.substr(0, static_cast<std::size_t>(end.ptr - text.data()));
}

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
    const int turns =
        static_cast<int>(static_cast<int>(std::atof(m.length) * tpi) * (limit * 0.01));
    std::string row = std::to_string(limit) + "\t";
    row += tpi == 0 ? "Undefined\t\t"
                    : std::to_string(turns) + "\t" + std::to_string(turns / ratio) + "\t";
    row += q == 0 ? "Undefined" : fixed(q, 2);
    if (unit == LengthUnit::Millimetre)
        row += "\t" + (q == 0 ? "" : fixed(q * 7.0615518, 1));
    return row;
}

void retype(CWnd& page, int id, const char* text) {
    QWidget* box = page.GetDlgItem(id);
    if (auto* combo = qobject_cast<QComboBox*>(box))
        box = combo->lineEdit();
    box->setFocus();
    QTest::keySequence(box, QKeySequence::SelectAll);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

std::vector<std::string> cells(const std::string& row) {
    std::vector<std::string> found(1);
    for (char c : row)
        c == '\t' ? void(found.emplace_back()) : found.back().push_back(c);
    return found;
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
            if (comma) {
                EXPECT_TRUE(locale.emplace().active());
            }
            std::vector<std::string> shown(kLimitCount);
            using Page = std::tuple<PageIndex, CWnd*, int>;
            for (auto [index, page, result] : {Page{TurnsPage, &turns_, IDC_TURNS_RESULT},
                                               Page{TorquePage, &torque_, IDC_TORQUE_RESULT}}) {
                activate(index);
                for (auto [id, entry] : {std::pair{IDC_TYPE, m.type},
                                         {IDC_WIDTH, m.width},
                                         {IDC_STRANDS, m.strandsIndex}})
                    chooseEntry(*page, id, entry);
                if (page->GetButton(IDC_VORLICK).GetCheck() != m.vorlick)
                    QTest::mouseClick(page->GetDlgItem(IDC_VORLICK), Qt::LeftButton);
                if (index == TurnsPage) {
                    QTest::mouseClick(page->GetDlgItem(IDC_LENGTH), Qt::LeftButton);
                    QTest::keyClicks(page->GetDlgItem(IDC_LENGTH), m.length);
                }
                for (int i = 0; i < kLimitCount; ++i) {
                    chooseEntry(*page, IDC_LIMIT, i);
                    shown[static_cast<std::size_t>(i)] += topLine(*page, result) + "|";
                }
            }
            preferences().setUnits(unit);
            preferences().setWinderRatio(ratio);
            activate(WindingPage);
            EXPECT_EQ(cardRow(0), unit == LengthUnit::Inch ? "%\tTurns\tCranks\tTorque"
                                                           : "%\tTurns\tCranks\tTorque\tN·mm");
            for (int i = 0; i < kLimitCount; ++i) {
                const std::vector<std::string> row = cells(cardRow(i + 1));
                EXPECT_EQ(cardRow(i + 1), modelRow(m, limitAt(i), ratio, unit));
                EXPECT_EQ(row[1] + "|" + row[3] + "|", shown[static_cast<std::size_t>(i)]);
            }
        }
    });
}

// Each line types into one box of the Winding page, after the lines above it.
TEST_F(WindingPageTest, BadInputNeverDividesByZeroNorShowsAWrongNumber) {
    const struct {
        int id;
        const char* typed;
        const char* row80;
        const char* stretched;
        int ratioKept;
    } lines[] = {{IDC_LENGTH, "10", "80\t604\t37\t6.11", "40.00 inch", 16},
                 {IDC_WINDER_RATIO, "7", "80\t604\t86\t6.11", "40.00 inch", 7},
                 {IDC_WINDER_RATIO, "0", "80\t604\t\t6.11", "40.00 inch", 7},
                 {IDC_WINDER_RATIO, "99999999999", "80\t604\t\t6.11", "40.00 inch", 999999999},
                 {IDC_WINDER_RATIO, "", "80\t604\t\t6.11", "40.00 inch", 999999999},
                 {IDC_LENGTH, "-5", "80\t\t\t6.11", "", 999999999},
                 {IDC_LENGTH, "1e400", "80\t\t\t6.11", "", 999999999},
                 {IDC_LENGTH, "1e9", "80\tUndefined\t\t6.11", "4000000000.00 inch", 999999999},
                 {IDC_LENGTH, "", "80\t\t\t6.11", "", 999999999},
                 {IDC_WINDER_RATIO, "20", "80\t\t\t6.11", "", 20},
                 {IDC_LENGTH, "12.5", "80\t756\t37\t6.11", "50.00 inch", 20}};
    runSheet([&](QWidget*) {
        activate(WindingPage);
        for (const auto& line : lines) {
            retype(winding_, line.id, line.typed);
            EXPECT_EQ(cardRow(5), line.row80) << line.typed;
            EXPECT_EQ(text(IDC_STRETCHED_LENGTH), line.stretched) << line.typed;
            EXPECT_EQ(preferences().winderRatio(), line.ratioKept) << line.typed;
        }
        chooseEntry(winding_, IDC_STRETCH, 1);
        EXPECT_EQ(text(IDC_STRETCHED_LENGTH) + " " + fixed(preferences().stretch(), 1),
                  "43.75 inch 3.5");
    });
}

// The page keeps its own inputs until the Breaking Turns page's motor changes; an empty Length
// there keeps the card's length.
TEST_F(WindingPageTest, TakesTheTurnsPageMotorOnlyWhenItChanged) {
    runSheet([&](QWidget*) {
        QWidget* turnsLength = turns_.GetDlgItem(IDC_LENGTH);
        const struct {
            std::function<void()> elsewhere;
            int strandsIndex;
            const char* length;
            bool vorlick;
        } steps[] = {{[] {}, 1, "1", false},
                     {[&] { chooseEntry(winding_, IDC_STRANDS, 3); }, 3, "1", false},
                     {[&] { activate(TorquePage); }, 3, "1", false},
                     {[&] {
                          activate(TurnsPage);
                          QTest::mouseClick(turnsLength, Qt::LeftButton);
                      },
                      1, "1", false},
                     {[&] {
                          activate(TurnsPage);
                          QTest::keyClicks(turnsLength, "12");
                          QTest::mouseClick(turns_.GetDlgItem(IDC_VORLICK), Qt::LeftButton);
                      },
                      1, "12", true},
                     {[&] {
                          preferences().setUnits(LengthUnit::Millimetre);
                          activate(ListPage);
                      },
                      1, "304.8", true}};
        for (const auto& step : steps) {
            step.elsewhere();
            activate(WindingPage);
            EXPECT_EQ(winding_.GetListBox(IDC_STRANDS).GetCurSel(), step.strandsIndex);
            EXPECT_EQ(text(IDC_LENGTH), step.length);
            EXPECT_EQ(winding_.GetButton(IDC_VORLICK).GetCheck(), step.vorlick);
        }
        EXPECT_EQ(text(IDC_STRETCHED_LENGTH), "1219.2 mm");
    });
}

TEST_F(WindingPageTest, CopyPrintAndPdfCarryTheCard) {
    TempFolder folder;
    std::vector<std::string> told;
    std::optional<Printout> printed;
    setMessageHook([&](const std::string&, const std::string& text) { told.push_back(text); });
    setPrintHook([&](const Printout& p) {
        printed = p;
        return PrintResult::Failed;
    });
    std::filesystem::path chosen;
    setFileDialogHook([&](const FileDialogRequest&) { return chosen; });
    runSheet([&](QWidget* sheet) {
        activate(WindingPage);
        retype(winding_, IDC_LENGTH, "10");
        clickButton(sheet, "Copy");
        std::string card;
        for (int i = 0; i <= kLimitCount; ++i)
            card += cardRow(i) + "\n";
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), card);

        clickButton(sheet, "Print…");
        ASSERT_TRUE(printed && printed->rows.size() == kLimitCount);
        EXPECT_EQ(printed->footer, "Kestrune " KESTRUNE_VERSION ", " + todayIsoDate());
        ASSERT_EQ(told.size(), 1U) << "a failed print is told";
        setPrintHook({});
        answerNextModal([](QWidget* dialog) { dialog->close(); });
        clickButton(sheet, "Print…");
        EXPECT_EQ(told.size() + pendingModalAnswers(), 1U) << "the print dialog, cancelled";

        chosen = folder / "card";
        clickButton(sheet, "Save PDF…");
        QProcess pdftotext;
        pdftotext.start("pdftotext",
                        {"-layout", QString::fromStdString((folder / "card.pdf").string()), "-"});
        ASSERT_TRUE(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        for (const std::string& piece :
             {printed->lines[0], printed->lines[1], printed->footer, std::string("80 604 37 6.11")})
            EXPECT_TRUE(text.simplified().contains(QString::fromStdString(piece)))
                << text.toStdString();

        // A folder in the way, a folder that is a file, and a disk that is full.
        std::filesystem::create_directory(folder / "taken.pdf");
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        for (const std::filesystem::path& bad :
             {folder / "taken.pdf", folder / "card.pdf" / "x.pdf", folder / "full.pdf"}) {
            chosen = bad;
            rlimit small = saved;
            small.rlim_cur = bad.filename() == "full.pdf" ? 512 : saved.rlim_cur;
            setrlimit(RLIMIT_FSIZE, &small);
            clickButton(sheet, "Save PDF…");
            setrlimit(RLIMIT_FSIZE, &saved);
            ASSERT_FALSE(told.empty());
            EXPECT_NE(told.back().find('"' + bad.string() + '"'), std::string::npos) << told.back();
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
