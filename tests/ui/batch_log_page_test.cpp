// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The Batch Log page driven by name: its boxes, buttons and keys reach its model, and kes.cfg and
// kes-batches.csv on disk end as the user chose. The rules are the model's tests.

#include "core/calibration.h"
#include "core/iso_date.h"
#include "core/number_text.h"
#include "tests/support/case_name.h"
#include "tests/support/program_files.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/list_page.h"
#include "ui/resources/dialog_templates.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <fstream>
#include <sys/stat.h>

namespace kestrune::test {
namespace {

namespace fs = std::filesystem;
using test::PrintTo;

// A weighed test of batch A, four strands of 3/16, and B, a two-strand loop of 1/4.
struct Typed {
    const char* batch;
    int type, width, strands;
    double inches, turns, torque, weight; // 0: left empty
};
const Typed kA{"A", TanSuperSport, 3, 4, 10, 1150, 3.05, 1.9};
const Typed kB{"B", TanII, 4, 2, 12.5, 1300, 0, 0};
const std::string kUnreadable("\0\xff\xfe,\"x", 6);

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
    void add(const Typed& t) {
        chooseEntry(batchLog_, IDC_TYPE, t.type);
        chooseEntry(batchLog_, IDC_WIDTH, t.width);
        for (const auto& [box, text] : {std::pair<const char*, std::string>{"Batch", t.batch},
                                        {"Date", "2026-03-14"},
                                        {"Strands", std::to_string(t.strands)},
                                        {"Length", fixed(t.inches, 2)},
                                        {"Turns", fixed(t.turns, 0)},
                                        {"Torque", t.torque > 0 ? fixed(t.torque, 2) : ""},
                                        {"Weight (g)", t.weight > 0 ? fixed(t.weight, 2) : ""}})
            type(box, text);
        click("Add");
    }
    Rows rows(int id) { return Sheet::rowsOf(batchLog_.GetListBox(id)); }
    std::vector<std::string> told_;
};

using BatchLogPageTest = BatchLogFixture;

// The boxes and lists reach the model by their names and a test added shows in Tests, its own
// results emptied for the next; a refusal is told; "Use density" and "Use" with "Save Value"
// reach the preferences, the Turns page and kes.cfg; Length follows a change of units; the Delete
// key deletes after its question.
TEST_F(BatchLogPageTest, BoxesButtonsAndKeysReachTheModel) {
    writeBytes(batchLogFilePath(), kUnreadable + "\n");
    runSheet([&](QWidget*) {
        activate(BatchLogPage);
        EXPECT_EQ(batchLog_.GetEdit(IDC_DATE).GetWindowText(), todayIsoDate());
        add(kA);
        std::ofstream(batchLogFilePath(), std::ios::app)
            << "FromA,2026-03-14,Tan II,1/8,2,10,9,,,\n";
        add(kB);
        EXPECT_EQ(rows(IDC_TESTS).back(),
                  "B\tTan II\t1300\t147.1\t–\t2026-03-14\t1/4\t2\t12.50\t\t\t");
        EXPECT_EQ(rows(IDC_TESTS).at(3).substr(0, 6), "FromA\t") << "another program's test";
        for (const int id : {IDC_TEST_TURNS, IDC_TEST_TORQUE, IDC_TEST_WEIGHT, IDC_NOTE})
            EXPECT_EQ(batchLog_.GetEdit(id).GetWindowText(), "");
        EXPECT_EQ(batchLog_.GetComboBox(IDC_BATCH).GetWindowText(), "B");
        click("Add");
        ASSERT_EQ(rows(IDC_TESTS).size(), 5U) << "nothing added without Turns";
        EXPECT_TRUE(told_.size() == 1 && told_[0].find("\"Turns\"") != std::string::npos);
        clickRow(IDC_BATCHES, 1);
        click("Use density");
        EXPECT_DOUBLE_EQ(preferences().density(), 0.36807972628568675);
        clickRow(IDC_BATCHES, 3);
        click("Save Value");
        click("Use");
        EXPECT_EQ(calcState().turnsConstant, turnsConstantFromMeasurement(104, 0.25));
        EXPECT_EQ(qobject_cast<QLabel*>(batchLog_.GetDlgItem(IDC_USE_STATUS))->text(),
                  "Tan II now computes with 147.1 and its torque constant as it was (batch B, 1 "
                  "test)");
        preferences().setUnits(LengthUnit::Millimetre); // as the Motor Weight page sets them
        activate(TurnsPage);
        EXPECT_EQ(topLine(turns_, IDC_TURNS_RESULT),
                  fixed(std::trunc(std::trunc(calcState().turnsConstant / std::sqrt(2)) * 0.8), 0));
        activate(BatchLogPage);
        EXPECT_EQ(batchLog_.GetEdit(IDC_LENGTH).GetWindowText(), "317.5");
        clickRow(IDC_TESTS, 2);
        answerNextModal([](QWidget* question) { clickButton(question, "Yes"); });
        QTest::keyClick(batchLog_.GetDlgItem(IDC_TESTS), Qt::Key_Delete);
        EXPECT_EQ(rows(IDC_TESTS).size(), 4U);
    });
    EXPECT_EQ(readBytes(settingsFilePath()).substr(0, 4), "147\n");
    EXPECT_NE(readBytes(preferencesFilePath())
                  .find("\nturns-constant.1=" +
                        formatShortest(turnsConstantFromMeasurement(104, 0.25)) + "\n"),
              std::string::npos)
        << "the exact constant beside it";
    BatchLog log;
    DiskFile file(batchLogFilePath());
    ASSERT_TRUE(loadBatchLog(log, file).done());
    ASSERT_EQ(log.size(), 3U) << "the unreadable line, FromA and B";
    EXPECT_EQ(log[2].test()->batch, "B");
}

// Enter in a box adds, or changes the test the user selected, and leaves Motor Weight and Winding
// open; Ctrl+C in Tests and Batches' Copy reach the clipboard.
TEST_F(BatchLogPageTest, EnterChangesAndCopyReachTheModel) {
    std::vector<std::string> copied;
    platform::setClipboardHook([&](const std::string& text) { copied.push_back(text); });
    const auto enter = [](platform::CWnd& page, int id) {
        page.GetDlgItem(id)->setFocus();
        QTest::keyClick(page.GetDlgItem(id), Qt::Key_Return);
    };
    runSheet([&](QWidget* sheet) {
        activate(MotorWeightPage);
        enter(motorWeight_, IDC_LENGTH);
        activate(WindingPage);
        enter(winding_, IDC_LENGTH);
        ASSERT_TRUE(sheet->isVisible());
        activate(BatchLogPage);
        add(kA);
        type("Turns", "1200");
        enter(batchLog_, IDC_TEST_TURNS);
        ASSERT_EQ(rows(IDC_TESTS).size(), 3U) << "added by Enter";
        clickRow(IDC_TESTS, 1);
        EXPECT_EQ(batchLog_.GetEdit(IDC_TEST_TURNS).GetWindowText(), "1150");
        type("Turns", "1100");
        enter(batchLog_, IDC_TEST_TURNS);
        EXPECT_EQ(rows(IDC_TESTS).size(), 3U);
        EXPECT_EQ(rows(IDC_TESTS)[1].substr(0, 23), "A\tTan Super Sport\t1100\t") << "changed";
        QTest::keyClick(batchLog_.GetDlgItem(IDC_TESTS), Qt::Key_C, Qt::ControlModifier);
        qobject_cast<QAbstractButton*>(batchLog_.GetDlgItem(IDC_COPY_BATCHES))->click();
        ASSERT_TRUE(sheet->isVisible());
        EXPECT_EQ(copied, (std::vector{rows(IDC_TESTS)[0] + "\n" + rows(IDC_TESTS)[1] + "\n",
                                       rows(IDC_BATCHES)[0] + "\n" + rows(IDC_BATCHES)[1] + "\n"}));
    });
    platform::setClipboardHook({});
    EXPECT_NE(readBytes(batchLogFilePath()).find(",1100,3.05,"), std::string::npos);
}

struct HostileCase {
    std::string name;
    void (*make)(const fs::path& file);
    bool replaced;        // after "Replace it?" is answered Yes
    const char* question; // what the question says of the file
};
class HostileLogTest : public BatchLogFixture, public testing::WithParamInterface<HostileCase> {};

// A log that is there but cannot be read is told, shows no tests, and is replaced only when the
// user says so and only by a file; one too large to read is no file of unknown content.
TEST_P(HostileLogTest, IsToldAndReplacedOnlyWhenTheUserSaysSo) {
    const fs::path file = batchLogFilePath();
    GetParam().make(file);
    const auto onDisk = [&file] {
        std::error_code ec;
        return std::pair(fs::symlink_status(file).type(), fs::file_size(file, ec));
    };
    const auto before = onDisk();
    runSheet([&](QWidget*) {
        activate(BatchLogPage);
        for (const char* answer : {"No", "Yes"}) {
            answerNextModal([answer](QWidget* question) {
                EXPECT_TRUE(qobject_cast<QMessageBox*>(question)->text().contains(
                    QString::fromUtf8(GetParam().question)));
                clickButton(question, answer);
            });
            add(kB);
            EXPECT_EQ(pendingModalAnswers(), 0);
            EXPECT_TRUE(answer == std::string("Yes") || onDisk() == before) << "left as it was";
        }
        EXPECT_EQ(rows(IDC_TESTS).size(), GetParam().replaced ? 2U : 1U);
    });
    ASSERT_EQ(told_.size(), GetParam().replaced ? 1U : 2U);
    EXPECT_NE(told_.front().find(BatchLogModel::kLogUnread), std::string::npos);
    EXPECT_NE(told_.back().find(GetParam().replaced ? BatchLogModel::kLogUnread
                                                    : BatchLogModel::kTestNotAdded),
              std::string::npos);
    EXPECT_EQ(fs::is_regular_file(file) && fs::file_size(file) < 1000, GetParam().replaced);
}

const char* const kUnknown = "so it does not know what the file holds.\n\nReplace it?";
const HostileCase kHostile[] = {
    {"fifo", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }, false, kUnknown},
    {"folder", [](const fs::path& f) { fs::create_directory(f); }, false, kUnknown},
    {"over_64_mib",
     [](const fs::path& f) {
         writeBytes(f, "x");
         fs::resize_file(f, kMaxBatchLogBytes + 1);
     },
     true,
     "kes-batches.csv\": it is larger than 64 MiB (67,108,865 bytes).\n\nIt is the batch log: "
     "replacing it erases every test in it.\n\nReplace it?"}};
INSTANTIATE_TEST_SUITE_P(CBatchLogDlg, HostileLogTest, testing::ValuesIn(kHostile), CaseName{});

} // namespace
} // namespace kestrune::test
