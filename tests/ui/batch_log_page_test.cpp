// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Batch Log page driven by name, its tables and files against a model of their own.

#include "core/calibration.h"
#include "core/iso_date.h"
#include "list/batch_log.h"
#include "tests/support/case_name.h"
#include "tests/support/locale_guard.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/list_page.h"
#include "ui/resources/dialog_templates.h"

#include <charconv>
#include <cmath>
#include <sys/stat.h>

namespace kestrune::test {
namespace {

namespace fs = std::filesystem;
using test::PrintTo;

std::string fixed(double value, int decimals) {
    std::array<char, 400> text{};
    return {text.data(), std::to_chars(text.data(), text.data() + text.size(), value,
                                       std::chars_format::fixed, decimals)
                             .ptr};
}

struct Typed {
    const char* batch;
    int type, width, strands;
    double inches, turns;
    std::optional<double> torque, weight;
    double k() const {
        return 2 * turns / inches * std::sqrt(strands * kStripWidths[width].inches);
    }
    double kq() const { return *torque / std::pow(4 * strands * kStripWidths[width].inches, 1.5); }
};

struct UnitCase {
    std::string name;
    LengthUnit unit;
    bool decimalComma;
};

class BatchLogFixture : public PageSheetTest {
protected:
    void SetUp() override {
        PageSheetTest::SetUp();
        fs::remove_all(batchLogFilePath());
        platform::setMessageHook([this](const auto&, const auto& text) { told_.push_back(text); });
    }
    void TearDown() override {
        platform::setMessageHook({});
        PageSheetTest::TearDown();
    }
    void type(const char* name, const std::string& text) {
        QWidget* box = findByAccessibleName(batchLog_.widget()->window(), name);
        ASSERT_NE(box, nullptr) << name;
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromStdString(text));
    }
    void add(const Typed& t, LengthUnit unit) {
        type("Batch", t.batch);
        type("Date", "2026-03-14");
        chooseEntry(batchLog_, IDC_TYPE, t.type);
        chooseEntry(batchLog_, IDC_WIDTH, t.width);
        type("Strands", std::to_string(t.strands));
        type("Length", unit == LengthUnit::Inch ? fixed(t.inches, 2) : fixed(t.inches * 25.4, 1));
        type("Turns", fixed(t.turns, 0));
        type("Torque", t.torque ? fixed(*t.torque, 2) : "");
        type("Weight (g)", t.weight ? fixed(*t.weight, 2) : "");
        clickButton(batchLog_.widget()->window(), "Add");
    }
    Rows rows(int id) { return Sheet::rowsOf(batchLog_.GetListBox(id)); }
    void clickRow(int id, int row) {
        auto* list = qobject_cast<QAbstractItemView*>(batchLog_.GetDlgItem(id));
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    std::vector<std::string> told_;
};

class BatchLogPageTest : public BatchLogFixture, public testing::WithParamInterface<UnitCase> {};

const std::string kUnreadable("\0\xff\xfe,\"x", 6);
const Typed kA1{"A", TanSuperSport, 3, 4, 10, 1100, 2.9, {}},
    kA2{"A", TanSuperSport, 3, 4, 10, 1150, 3.05, 1.9};
const Typed kB{"B", TanII, 4, 2, 12.5, 1300, {}, {}};
const std::array kTyped{kA1, kA2, kB};

// Tests typed by name show as the model says, summarised per batch; Use acts as a calibration
// of the batch's type (bit for bit for a two-strand loop), Delete asks, nothing else is lost.
TEST_P(BatchLogPageTest, AddsSummarisesUsesAndDeletes) {
    std::optional<DecimalCommaLocale> locale;
    if (GetParam().decimalComma) {
        locale.emplace();
        KESTRUNE_REQUIRE_DECIMAL_COMMA(*locale);
    }
    const LengthUnit unit = GetParam().unit;
    preferences().setUnits(unit);
    writeBytes(batchLogFilePath(), kUnreadable + "\nB0,2026-01-02,Tan Sport,1/4,2,8,500,,,\"say "
                                                 "\"\"hi\"\",\nok\"\n");
    runSheet([&](QWidget*) {
        activate(BatchLogPage);
        EXPECT_EQ(batchLog_.GetEdit(IDC_DATE).GetWindowText(), todayIsoDate());
        for (const Typed& t : kTyped)
            add(t, unit);
        type("Turns", "0");
        clickButton(batchLog_.widget()->window(), "Add");
        const Rows tests = rows(IDC_TESTS);
        ASSERT_EQ(tests.size(), 6U)
            << "nothing added with Turns 0" << testing::PrintToString(told_);
        EXPECT_EQ(tests[1].substr(0, 16), "Unreadable line\t");
        for (std::size_t i = 0; i < 3; ++i) {
            const Typed& t = kTyped[i];
            EXPECT_EQ(
                tests[3 + i],
                std::string(t.batch) + "\t2026-03-14\t" +
                    std::string(kRubberTypes[t.type].listText) + "\t" +
                    std::string(kStripWidths[t.width].listText) + "\t" + std::to_string(t.strands) +
                    "\t" +
                    (unit == LengthUnit::Inch ? fixed(t.inches, 2) : fixed(t.inches * 25.4, 1)) +
                    "\t" + fixed(t.turns, 0) + "\t" + (t.torque ? fixed(*t.torque, 2) : "") + "\t" +
                    (t.weight ? fixed(*t.weight, 2) : "") + "\t\t" + fixed(t.k(), 1) + "\t" +
                    (t.torque ? fixed(t.kq(), 3) : "–"));
        }
        const std::string a = "A\tTan Super Sport\t2\t" + fixed((kA1.k() + kA2.k()) / 2, 1) + "\t" +
                              fixed((kA2.k() - kA1.k()) / std::sqrt(2.0), 1) + "\t" +
                              fixed(kA1.k(), 1) + "\t";
        EXPECT_EQ(rows(IDC_BATCHES)[2].substr(0, a.size()), a) << "B0, then A";
        EXPECT_TRUE(told_.size() == 1 && told_[0].find("\"Turns\"") != std::string::npos);

        clickRow(IDC_BATCHES, 2);
        clickButton(batchLog_.widget()->window(), "Use density");
        EXPECT_DOUBLE_EQ(preferences().density(), 1.9 / (0.042 * 0.1875 * 4 * 10 * 16.387064));
        clickRow(IDC_BATCHES, 3);
        clickButton(batchLog_.widget()->window(), "Save Value");
        clickButton(batchLog_.widget()->window(), "Use");
        EXPECT_EQ(calcState().turnsConstant,
                  turnsConstantFromMeasurement(
                      1300 / toInches(unit == LengthUnit::Inch ? 12.5 : 317.5, unit), 0.25));
        activate(TurnsPage);
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT),
                  fixed(std::trunc(std::trunc(calcState().turnsConstant / std::sqrt(2)) * 0.8), 0));
        activate(BatchLogPage);

        clickRow(IDC_TESTS, 3);
        answerNextModal([](QWidget* question) { clickButton(question, "Yes"); });
        QTest::keyClick(batchLog_.GetDlgItem(IDC_TESTS), Qt::Key_Delete);
        EXPECT_EQ(rows(IDC_TESTS).size(), 5U);
    });
    EXPECT_EQ(readBytes(settingsFilePath()).substr(0, 4), fixed(kB.k(), 0) + "\n");
    EXPECT_EQ(readBytes(batchLogFilePath()).find(batchLogHeader() + "\n" + kUnreadable + "\n"), 0U);
    std::vector<BatchLogEntry> log;
    ASSERT_TRUE(loadBatchLog(log, batchLogFilePath()).read());
    ASSERT_EQ(log.size(), 4U);
    EXPECT_EQ(log[1].test->note, "say \"hi\",\nok");
    EXPECT_EQ(log[2].test->torque, 3.05);
}

INSTANTIATE_TEST_SUITE_P(CBatchLogDlg, BatchLogPageTest,
                         testing::Values(UnitCase{"inches", LengthUnit::Inch, false},
                                         UnitCase{"millimetres_decimal_comma",
                                                  LengthUnit::Millimetre, true}),
                         CaseName{});

struct HostileCase {
    std::string name;
    void (*make)(const fs::path& file);
    bool replaced; // after "Replace it?" is answered Yes
};
class HostileLogTest : public BatchLogFixture, public testing::WithParamInterface<HostileCase> {};

// A log that is there but cannot be read is told, shows no tests, and is replaced only when the
// user says so and only by a file.
TEST_P(HostileLogTest, IsToldAndReplacedOnlyWhenTheUserSaysSo) {
    const fs::path file = batchLogFilePath();
    GetParam().make(file);
    runSheet([&](QWidget*) {
        activate(BatchLogPage);
        for (const char* answer : {"No", "Yes"}) {
            answerNextModal([answer](QWidget* question) { clickButton(question, answer); });
            add(kB, LengthUnit::Inch);
            EXPECT_EQ(pendingModalAnswers(), 0);
        }
        EXPECT_EQ(rows(IDC_TESTS).size(), GetParam().replaced ? 2U : 1U);
    });
    EXPECT_EQ(told_.size(), GetParam().replaced ? 1U : 2U);
    EXPECT_EQ(fs::is_regular_file(file) && fs::file_size(file) < 1000, GetParam().replaced);
}

INSTANTIATE_TEST_SUITE_P(
    CBatchLogDlg, HostileLogTest,
    testing::Values(
        HostileCase{"fifo", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); },
                    false},
        HostileCase{"folder", [](const fs::path& f) { fs::create_directory(f); }, false},
        HostileCase{"over_64_mib",
                    [](const fs::path& f) {
                        writeBytes(f, "x");
                        fs::resize_file(f, kMaxBatchLogBytes + 1);
                    },
                    true}),
    CaseName{});

} // namespace
} // namespace kestrune::test
