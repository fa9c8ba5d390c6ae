// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Batch Log page driven by name; its tables, kes.cfg and its file against a model of their own.

#include "core/calibration.h"
#include "core/iso_date.h"
#include "tests/support/case_name.h"
#include "tests/support/locale_guard.h"
#include "tests/support/program_files.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/list_page.h"
#include "ui/resources/dialog_templates.h"

#include <sys/stat.h>

namespace kestrune::test {
namespace {

namespace fs = std::filesystem;
using test::PrintTo;

// Batch A: four strands of 3/16 with torques, one weighed. B: a two-strand loop of 1/4.
struct Typed {
    const char* batch;
    int type, width, strands;
    double inches, turns, torque, weight; // 0: left empty
};
const std::array<Typed, 3> kTyped{{{"A", TanSuperSport, 3, 4, 10, 1100, 2.9, 0},
                                   {"A", TanSuperSport, 3, 4, 10, 1150, 3.05, 1.9},
                                   {"B", TanII, 4, 2, 12.5, 1300, 0, 0}}};
std::string lengthText(double inches, LengthUnit unit) {
    return unit == LengthUnit::Inch ? fixed(inches, 2) : fixed(inches * 25.4, 1);
}
const std::string kUnreadable("\0\xff\xfe,\"x", 6);

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
    void type(const char* box, const std::string& text) {
        QWidget* edit = findByAccessibleName(batchLog_.widget()->window(), box);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromStdString(text));
    }
    void click(const char* button) { clickButton(batchLog_.widget()->window(), button); }
    void clickRow(int id, int row) {
        auto* list = qobject_cast<QAbstractItemView*>(batchLog_.GetDlgItem(id));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    }
    void add(const Typed& t, LengthUnit unit) {
        chooseEntry(batchLog_, IDC_TYPE, t.type);
        chooseEntry(batchLog_, IDC_WIDTH, t.width);
        for (const auto& [box, text] : {std::pair<const char*, std::string>{"Batch", t.batch},
                                        {"Date", "2026-03-14"},
                                        {"Strands", std::to_string(t.strands)},
                                        {"Length", lengthText(t.inches, unit)},
                                        {"Turns", fixed(t.turns, 0)},
                                        {"Torque", t.torque > 0 ? fixed(t.torque, 2) : ""},
                                        {"Weight (g)", t.weight > 0 ? fixed(t.weight, 2) : ""}})
            type(box, text);
        click("Add");
    }
    Rows rows(int id) { return Sheet::rowsOf(batchLog_.GetListBox(id)); }
    std::vector<std::string> told_;
};

class BatchLogPageTest : public BatchLogFixture, public testing::WithParamInterface<UnitCase> {};

// Tests typed by name show as the model says and are summarised per batch; Use acts as a
// calibration (bit for bit for a two-strand loop), Delete asks, and no line is lost.
TEST_P(BatchLogPageTest, AddsSummarisesUsesAndDeletes) {
    std::optional<DecimalCommaLocale> locale;
    if (GetParam().decimalComma)
        KESTRUNE_REQUIRE_DECIMAL_COMMA(locale.emplace());
    const LengthUnit unit = GetParam().unit;
    preferences().setUnits(unit);
    writeBytes(batchLogFilePath(), kUnreadable +
                                       "\nB0,2026-01-02,Tan Sport,1/4,2,8,500,,,\"\"\"a\"\""
                                       ",\nb\"\n");
    std::array<double, 3> k{};
    runSheet([&](QWidget*) {
        activate(BatchLogPage);
        EXPECT_EQ(batchLog_.GetEdit(IDC_DATE).GetWindowText(), todayIsoDate());
        for (std::size_t i = 0; i < kTyped.size(); ++i) {
            const Typed& t = kTyped[i];
            const double d = t.strands * kStripWidths[static_cast<std::size_t>(t.width)].inches;
            const std::string length = lengthText(t.inches, unit);
            const std::string torque = t.torque > 0 ? fixed(t.torque, 2) : "";
            const std::string weight = t.weight > 0 ? fixed(t.weight, 2) : "";
            k[i] = 2 * t.turns / t.inches * std::sqrt(d);
            add(t, unit);
            EXPECT_EQ(rows(IDC_TESTS).back(),
                      std::string(t.batch) + "\t2026-03-14\t" +
                          kRubberTypes[static_cast<std::size_t>(t.type)].listText.data() + "\t" +
                          kStripWidths[static_cast<std::size_t>(t.width)].listText.data() + "\t" +
                          std::to_string(t.strands) + "\t" + length + "\t" + fixed(t.turns, 0) +
                          "\t" + torque + "\t" + weight + "\t\t" + fixed(k[i], 1) + "\t" +
                          (t.torque > 0 ? fixed(t.torque / std::pow(4 * d, 1.5), 3) : "–"));
        }
        type("Turns", "0");
        click("Add");
        ASSERT_EQ(rows(IDC_TESTS).size(), 6U) << "nothing added with Turns 0";
        EXPECT_EQ(rows(IDC_TESTS)[1].substr(0, 16), "Unreadable line\t");
        const std::string a = "A\tTan Super Sport\t2\t" + fixed((k[0] + k[1]) / 2, 1) + "\t" +
                              fixed((k[1] - k[0]) / std::sqrt(2.0), 1) + "\t" + fixed(k[0], 1);
        EXPECT_EQ(rows(IDC_BATCHES).at(2).substr(0, a.size()), a) << "B0, then A";
        EXPECT_TRUE(told_.size() == 1 && told_[0].find("\"Turns\"") != std::string::npos);
        clickRow(IDC_BATCHES, 2);
        click("Use density");
        EXPECT_DOUBLE_EQ(preferences().density(), 1.9 / (0.042 * 0.1875 * 4 * 10 * 16.387064));
        clickRow(IDC_BATCHES, 3);
        click("Save Value");
        click("Use");
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
    EXPECT_EQ(readBytes(settingsFilePath()).substr(0, 4), fixed(k[2], 0) + "\n");
    EXPECT_EQ(readBytes(batchLogFilePath()).find(batchLogHeader() + "\n" + kUnreadable + "\n"), 0U);
    BatchLog log;
    DiskFile file(batchLogFilePath());
    ASSERT_TRUE(loadBatchLog(log, file).done());
    ASSERT_EQ(log.size(), 4U) << "the unreadable line, B0, A's second test and B";
    EXPECT_EQ(log[1].test()->note, "\"a\",\nb");
    EXPECT_EQ(log[2].test()->turns, 1150);
}

const UnitCase kUnits[] = {{"inches", LengthUnit::Inch, false},
                           {"millimetres_decimal_comma", LengthUnit::Millimetre, true}};
INSTANTIATE_TEST_SUITE_P(CBatchLogDlg, BatchLogPageTest, testing::ValuesIn(kUnits), CaseName{});

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
            add(kTyped[2], LengthUnit::Inch);
            EXPECT_EQ(pendingModalAnswers(), 0);
        }
        EXPECT_EQ(rows(IDC_TESTS).size(), GetParam().replaced ? 2U : 1U);
    });
    EXPECT_EQ(told_.size(), GetParam().replaced ? 1U : 2U);
    EXPECT_EQ(fs::is_regular_file(file) && fs::file_size(file) < 1000, GetParam().replaced);
}

const HostileCase kHostile[] = {
    {"fifo", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }, false},
    {"folder", [](const fs::path& f) { fs::create_directory(f); }, false},
    {"over_64_mib",
     [](const fs::path& f) {
         writeBytes(f, "x");
         fs::resize_file(f, kMaxBatchLogBytes + 1);
     },
     true}};
INSTANTIATE_TEST_SUITE_P(CBatchLogDlg, HostileLogTest, testing::ValuesIn(kHostile), CaseName{});

} // namespace
} // namespace kestrune::test
