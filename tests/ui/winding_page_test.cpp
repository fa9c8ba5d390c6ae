// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "core/iso_date.h"
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
#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace kestrune::test {
namespace {

using namespace platform;

class WindingPageTest : public PageSheetTest {
protected:
    std::string cardRow(int index) { return winding_.GetListBox(IDC_CARD).GetText(index); }
    std::string text(int id) { return winding_.GetEdit(id).GetWindowText(); }
};

// The motor is set on the Breaking Turns page, under a decimal-comma locale in millimetres; the
// card must show what that page and the Breaking Torque page show at every limit.
TEST_F(WindingPageTest, CardIsWhatTheCalculationPagesShowAtEveryLimit) {
    writeFileAtomically(settingsFilePath(), "107\n0\n90\n2.70\n0.00\n1.50\n");
    DecimalCommaLocale locale;
    KESTRUNE_REQUIRE_DECIMAL_COMMA(locale);
    runSheet([&](QWidget*) {
        std::vector<std::string> shown(kLimitCount);
        for (const auto& [index, result] :
             {std::pair{TurnsPage, IDC_TURNS_RESULT}, {TorquePage, IDC_TORQUE_RESULT}}) {
            CWnd& page = index == TurnsPage ? static_cast<CWnd&>(turns_) : torque_;
            activate(index);
            chooseEntry(page, IDC_TYPE, TanSport);
            chooseEntry(page, IDC_WIDTH, 4);
            chooseEntry(page, IDC_STRANDS, 5);
            if (index == TurnsPage)
                enter(page, IDC_LENGTH, "23");
            for (int i = 0; i < kLimitCount; ++i) {
                chooseEntry(page, IDC_LIMIT, i);
                shown[static_cast<std::size_t>(i)] += topLine(page, result) + "|";
            }
        }
        preferences().setUnits(LengthUnit::Millimetre);
        preferences().setWinderRatio(13);
        activate(WindingPage);
        EXPECT_EQ(cardRow(0), "%\tTurns\tCranks\tBreaking torque\tN·mm");
        EXPECT_EQ(cardRow(5), "80\t477\t36\t49.89\t352.3");
        for (int i = 0; i < kLimitCount; ++i) {
            const QStringList row = QString::fromStdString(cardRow(i + 1)).split('\t');
            EXPECT_EQ((row[1] + "|" + row[3] + "|").toStdString(),
                      shown[static_cast<std::size_t>(i)]);
        }
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
                 {IDC_TYPE, "2", "80\tUndefined\t\tUndefined|43.75 inch",
                  "Tan Sport is not calibrated: calibrate it, or Use a batch"},
                 {IDC_VORLICK, "", "80\t512\t25\t19.57|43.75 inch", ""}};
    runSheet([&](QWidget*) {
        activate(WindingPage);
        for (const auto& line : lines) {
            enter(winding_, line.id, line.typed);
            EXPECT_EQ(cardRow(5) + "|" + text(IDC_STRETCHED_LENGTH), line.shows) << line.typed;
            EXPECT_EQ(winding_.GetDlgItem(IDC_CARD_NOTE)->property("text").toString().toStdString(),
                      line.note);
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
        std::string card;
        for (int i = 0; i <= kLimitCount; ++i)
            card += cardRow(i) + "\n";
        for (const bool key : {false, true}) {
            QApplication::clipboard()->clear();
            if (key) {
                QTest::keyClick(winding_.GetDlgItem(IDC_VORLICK), Qt::Key_C, Qt::ControlModifier);
                QTest::qWait(300); // a button's key clicks it once it has shown itself pressed
            } else
                clickButton(sheet, "Copy");
            const std::string copied = QApplication::clipboard()->text().toStdString();
            EXPECT_TRUE(copied.starts_with("Motor: Tan II, 4 strands of 1/8\" strip, 10.00 inch "
                                           "long\nWeight 3.44 g, of rubber 0.042 inch thick"))
                << copied;
            EXPECT_TRUE(copied.ends_with("Torque in oz-in\n" + card)) << copied;
        }
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
              std::string("turns constant 107.0, torque constant 2.700 Winder ratio 16:1"),
              std::string("Weight 3.44 g"), std::string("Cranks Breaking torque 100 756 47 7.64"),
              std::string("80 604 37 6.11"), "Kestrune " KESTRUNE_VERSION ", " + todayIsoDate()})
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
