// The List page in the program's own page sheet: rows, summaries, Delete and the list files.
// File dialogs are answered through their seam, warnings are caught by the message seam.

#include "core/calc_state.h"
#include "core/file_io.h"
#include "list/motor_rows.h"
#include "platform/detail/list_box_control.h"
#include "platform/seams.h"
#include "settings/settings_file.h"
#include "tests/support/case_name.h"
#include "tests/support/modal.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/page_sheet.h"
#include "ui/CMotorApp.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kestrune::test {
namespace {

namespace fs = std::filesystem;
using namespace kestrune::platform;
using Rows = std::vector<std::string>;
using test::PrintTo;

constexpr int kTurnsTab = 0;
constexpr int kListTab = 3;
const std::string kHeader(kHeaderRow);
// The rows "Add" and "Addd" append for the motors the pages compute when the program starts.
const std::string kStartTurnsRow = "TanII\t1/8\"\t4\t1\"\t80%\t60\tNA";
const std::string kStartTorqueRow = "TanII\t1/8\"\t2\tNA\t100%\tNA\t??";

// The rows as the lines of a file, each with its line end.
std::string fileOf(const Rows& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row;
        text += '\n';
    }
    return text;
}

// The running page sheet, reached the way a user reaches it.
class Sheet {
public:
    explicit Sheet(QWidget* window) : window_(window) {}

    void showTab(int index) {
        QTabBar* bar = window_->findChild<QTabWidget*>()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void click(const char* button) { clickButton(window_, QString::fromUtf8(button)); }

    detail::ListBoxControl* box(const char* label) const {
        auto* found = dynamic_cast<detail::ListBoxControl*>(
            findByAccessibleName(window_, QString::fromUtf8(label)));
        EXPECT_NE(found, nullptr) << label;
        return found;
    }
    detail::ListBoxControl* motorList() const { return box("Rubber Motor List"); }

    static Rows rowsOf(const detail::ListBoxControl* list) {
        Rows rows;
        for (int i = 0; list != nullptr && i < list->count(); ++i) {
            rows.push_back(list->text(i));
        }
        return rows;
    }
    Rows rows() const { return rowsOf(motorList()); }
    int selection() const { return motorList()->curSel(); }

    void clickRow(int row) {
        detail::ListBoxControl* list = motorList();
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    void key(Qt::Key key) { QTest::keyClick(motorList(), key); }

    QWidget* window() const { return window_; }

private:
    QWidget* window_;
};

class ListPageTest : public testing::Test {
protected:
    void SetUp() override {
        removeStartFiles();
        calcState() = CalcState{};
        setFileDialogHook([this](const FileDialogRequest& request) -> std::optional<fs::path> {
            requests_.push_back(request);
            if (answers_.empty()) {
                ADD_FAILURE() << "a file dialog nobody expected";
                return std::nullopt;
            }
            std::optional<fs::path> answer = answers_.front();
            answers_.pop_front();
            return answer;
        });
        setMessageHook(
            [this](const std::string&, const std::string& text) { messages_.push_back(text); });
    }

    void TearDown() override {
        setFileDialogHook({});
        setMessageHook({});
        clearModalAnswers();
        removeStartFiles();
    }

    static void removeStartFiles() {
        for (const char* name : {"kes.dta", "kes.cfg"}) {
            std::error_code ec;
            fs::remove(startDirectory() / name, ec);
        }
    }

    // Runs the program with the List tab shown; body acts as the user, then the sheet is closed
    // (OK, or Cancel) unless body closed it, a list not saved is discarded and the closing
    // question answered (Yes, or No).
    void run(const std::function<void(Sheet&)>& body, bool okAndYes = false) {
        answerNextModal([&](QWidget* window) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
            Sheet sheet(window);
            sheet.showTab(kListTab);
            body(sheet);
            answerClosingQuestions(okAndYes);
            if (window->isVisible())
                clickButton(window, okAndYes ? "OK" : "Cancel");
        });
        CMotorApp app;
        app.InitInstance();
        EXPECT_EQ(pendingModalAnswers(), 0);
        EXPECT_TRUE(answers_.empty()) << "a file dialog that was expected did not open";
    }

    void answerFileDialog(std::optional<fs::path> chosen) { answers_.push_back(std::move(chosen)); }

    std::deque<std::optional<fs::path>> answers_;
    std::vector<FileDialogRequest> requests_;
    std::vector<std::string> messages_;
};

TEST_F(ListPageTest, OpensWithTheStartMotorsAndAdddAppendsTheUntouchedTorqueMotor) {
    run([](Sheet& sheet) {
        EXPECT_EQ(sheet.rows(), Rows{kHeader});
        EXPECT_EQ(Sheet::rowsOf(sheet.box("Breaking Turns")),
                  (Rows{"Type\tTanII", "Width\t1/8\"", "Strands\t4", "Length\t1\"", "Limit\t80%",
                        "Turns\t60"}));
        EXPECT_EQ(Sheet::rowsOf(sheet.box("BreakingTorque")),
                  (Rows{"Type\tTanII", "Width\t1/8\"", "Strands\t2", "Limit\t100%",
                        "Torque\tUndefined"}));
        sheet.click("Addd");
        EXPECT_EQ(sheet.rows(), (Rows{kHeader, kStartTorqueRow}));
        EXPECT_EQ(sheet.selection(), -1);
    });
}

TEST_F(ListPageTest, RowsKeepTheirTextWhenTheTurnsPageComputesAgain) {
    run([](Sheet& sheet) {
        sheet.click("Add");
        sheet.click("Add");
        EXPECT_EQ(sheet.rows(), (Rows{kHeader, kStartTurnsRow, kStartTurnsRow}));

        sheet.showTab(kTurnsTab);
        auto* length = qobject_cast<QLineEdit*>(findByAccessibleName(sheet.window(), "Length"));
        ASSERT_NE(length, nullptr);
        QTest::mouseClick(length, Qt::LeftButton); // entering the box starts a new length
        QTest::keyClicks(length, "24");
        ASSERT_EQ(length->text(), QStringLiteral("24"));
        const std::string turns = sheet.box("Turns")->text(0);
        ASSERT_NE(turns, "60");

        sheet.showTab(kListTab);
        EXPECT_EQ(Sheet::rowsOf(sheet.box("Breaking Turns")),
                  (Rows{"Type\tTanII", "Width\t1/8\"", "Strands\t4", "Length\t24\"", "Limit\t80%",
                        "Turns\t" + turns}));
        EXPECT_EQ(sheet.rows(), (Rows{kHeader, kStartTurnsRow, kStartTurnsRow}));
    });
}

struct DeleteCase {
    std::string name;
    std::function<void(Sheet&)> select;
    int selected;           // before Delete
    Rows after;             // of header, turns row, torque row
    bool deleteKey = false; // the Delete key on the list instead of the button
};

class DeleteTest : public ListPageTest, public testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, DeletesOnlyASelectedMotorRow) {
    const DeleteCase& c = GetParam();
    run([&](Sheet& sheet) {
        sheet.click("Add");
        sheet.click("Addd");
        c.select(sheet);
        EXPECT_EQ(sheet.selection(), c.selected);
        if (c.deleteKey)
            sheet.key(Qt::Key_Delete);
        else
            sheet.click("Delete");
        EXPECT_EQ(sheet.rows(), c.after);
        EXPECT_EQ(sheet.selection(), -1);
    });
}

const Rows kAllRows{kHeader, kStartTurnsRow, kStartTorqueRow};

INSTANTIATE_TEST_SUITE_P(
    CListDlg, DeleteTest,
    testing::Values(DeleteCase{"nothing_selected", [](Sheet&) {}, -1, kAllRows},
                    DeleteCase{"header_row_clicked", [](Sheet& s) { s.clickRow(0); }, -1, kAllRows},
                    DeleteCase{"up_key_onto_the_header_row",
                               [](Sheet& s) {
                                   s.clickRow(1);
                                   s.key(Qt::Key_Up);
                               },
                               -1, kAllRows},
                    DeleteCase{"home_key_onto_the_header_row",
                               [](Sheet& s) {
                                   s.clickRow(2);
                                   s.key(Qt::Key_Home);
                               },
                               -1, kAllRows},
                    DeleteCase{"clicked_row", [](Sheet& s) { s.clickRow(1); }, 1,
                               Rows{kHeader, kStartTorqueRow}},
                    DeleteCase{"row_reached_with_the_down_key",
                               [](Sheet& s) {
                                   s.clickRow(1);
                                   s.key(Qt::Key_Down);
                               },
                               2, Rows{kHeader, kStartTurnsRow}},
                    DeleteCase{"delete_key_on_a_clicked_row", [](Sheet& s) { s.clickRow(1); }, 1,
                               Rows{kHeader, kStartTorqueRow}, true},
                    DeleteCase{"delete_key_on_the_header_row", [](Sheet& s) { s.clickRow(0); }, -1,
                               kAllRows, true}),
    CaseName{});

struct ListFileCase {
    std::string name;
    std::optional<std::string> file; // kes.dta in the start folder; nothing: no file
    Rows shown;
    int deleted; // rows deleted from the top before Save
    std::string saved;
};

class ListFileTest : public ListPageTest, public testing::WithParamInterface<ListFileCase> {};

TEST_P(ListFileTest, OpensKesDtaAndSavesItBack) {
    const ListFileCase& c = GetParam();
    const fs::path file = startDirectory() / "kes.dta";
    if (c.file) {
        writeBytes(file, *c.file);
    }
    run([&](Sheet& sheet) {
        EXPECT_EQ(sheet.rows(), c.shown);
        for (int i = 0; i < c.deleted; ++i) {
            sheet.clickRow(1);
            sheet.click("Delete");
        }
        sheet.click("Save");
    });
    EXPECT_EQ(readBytes(file), c.saved);
    EXPECT_TRUE(messages_.empty());
}

const std::string kLongRow(500, 'x');
const std::string kOddRow = "\xFFodd";

INSTANTIATE_TEST_SUITE_P(
    CListDlg, ListFileTest,
    testing::Values(ListFileCase{"no_file_gives_the_header_row_and_save_creates_it", std::nullopt,
                                 Rows{kHeader}, 0, ""},
                    ListFileCase{"only_the_header_row_left_empties_the_file", "TanII\nTanS\n",
                                 Rows{kHeader, "TanII", "TanS"}, 2, ""},
                    ListFileCase{"odd_lines_come_back_as_they_were",
                                 fileOf({kStartTurnsRow, "", kOddRow, kLongRow}) + "last",
                                 Rows{kHeader, kStartTurnsRow, "", kOddRow, kLongRow, "last"}, 0,
                                 fileOf({kStartTurnsRow, "", kOddRow, kLongRow, "last"})},
                    ListFileCase{"cr_lf_line_ends_are_saved_as_lf", "TanII\r\nTanS\r\n",
                                 Rows{kHeader, "TanII", "TanS"}, 0, "TanII\nTanS\n"}),
    CaseName{});

TEST_F(ListPageTest, LoadOfANewNameGivesTheHeaderRowAndSaveCreatesThatFile) {
    TempFolder other;
    writeBytes(startDirectory() / "kes.dta", "TanII\n");
    answerFileDialog(other / "club");
    run([&](Sheet& sheet) {
        sheet.click("Load");
        EXPECT_EQ(sheet.rows(), Rows{kHeader});
        sheet.click("Add");
        sheet.click("Save");
    });
    ASSERT_EQ(requests_.size(), 1U);
    EXPECT_TRUE(requests_[0].open);
    EXPECT_FALSE(requests_[0].mustExist) << "a new name is a new list";
    EXPECT_EQ(requests_[0].startFolder, startDirectory()) << "where the current list file is";
    EXPECT_EQ(readBytes(other / "club.dta"), fileOf({kStartTurnsRow}));
    EXPECT_EQ(readBytes(startDirectory() / "kes.dta"), "TanII\n");
}

struct DialogCase {
    std::string name;
    const char* button;
    const char* chosen; // the name given in the dialog
    const char* file;   // the file read or written
    const char* defaultExt;
    bool confirmsReplacing;
    std::string contents; // of that file: read by Load, written by SaveAs and Print
};

class FileDialogNameTest : public ListPageTest, public testing::WithParamInterface<DialogCase> {};

TEST_P(FileDialogNameTest, EachDialogAsksForItsKindOfFile) {
    const DialogCase& c = GetParam();
    TempFolder other;
    const bool load = std::string_view(c.button) == "Load";
    if (load) {
        writeBytes(other / c.file, c.contents);
    }
    answerFileDialog(other / c.chosen);
    run([&](Sheet& sheet) {
        if (!load) // a list to write; Load of a changed list asks first (tested below)
            sheet.click("Add");
        sheet.click(c.button);
        if (load) {
            EXPECT_EQ(sheet.rows(), (Rows{kHeader, "TanS"}));
        }
    });
    ASSERT_EQ(requests_.size(), 1U);
    EXPECT_EQ(requests_[0].open, load);
    EXPECT_EQ(requests_[0].defaultExt, c.defaultExt);
    EXPECT_EQ(requests_[0].confirmOverwrite, c.confirmsReplacing);
    EXPECT_EQ(readBytes(other / c.file), c.contents);
    EXPECT_TRUE(messages_.empty());
}

INSTANTIATE_TEST_SUITE_P(CListDlg, FileDialogNameTest,
                         testing::Values(DialogCase{"load", "Load", "club", "club.dta", "dta",
                                                    false, "TanS\n"},
                                         DialogCase{"save_as", "SaveAs", "club", "club.dta", "dta",
                                                    true, fileOf({kStartTurnsRow})},
                                         DialogCase{"print", "Print", "report", "report.txt", "txt",
                                                    true, fileOf({kHeader, kStartTurnsRow})}),
                         CaseName{});

class OtherFolderTest : public ListPageTest, public testing::WithParamInterface<const char*> {};

TEST_P(OtherFolderTest, SaveWritesThereAndTheSettingsStayInTheStartFolder) {
    const std::string_view button = GetParam();
    TempFolder other;
    writeBytes(other / "club.dta", "TanS\n");
    answerFileDialog(other / "club.dta");
    run(
        [&](Sheet& sheet) {
            sheet.click(GetParam());
            sheet.click("Add");
            sheet.click("Save");
        },
        true);
    const std::string before = button == "Load" ? "TanS\n" : "";
    EXPECT_EQ(readBytes(other / "club.dta"), before + fileOf({kStartTurnsRow}));
    EXPECT_EQ(readBytes(settingsFilePath()), formatSettings(kDefaultCalibration));
    EXPECT_EQ(settingsFilePath().parent_path(), startDirectory());
    EXPECT_FALSE(fs::exists(other / "kes.cfg"));
    EXPECT_FALSE(fs::exists(startDirectory() / "kes.dta")) << "closing writes no list";
}

INSTANTIATE_TEST_SUITE_P(CListDlg, OtherFolderTest, testing::Values("Load", "SaveAs"),
                         [](const testing::TestParamInfo<const char*>& param) {
                             return std::string(param.param);
                         });

// Sets an environment variable for the lifetime of the object.
class EnvironmentGuard {
public:
    EnvironmentGuard(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;
    ~EnvironmentGuard() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST_F(ListPageTest, PrintStartsInTheDocumentsFolderAndSaveStillWritesTheListFile) {
    TempFolder home;
    const EnvironmentGuard homeGuard("HOME", QByteArray::fromStdString(home.path().string()));
    const EnvironmentGuard config("XDG_CONFIG_HOME",
                                  QByteArray::fromStdString((home / ".config").string()));
    const std::string exported = fileOf({kHeader, kStartTurnsRow});
    const std::string saved = fileOf({kStartTurnsRow, kStartTorqueRow});
    for (const bool documentsExist : {true, false}) {
        SCOPED_TRACE(documentsExist ? "with a documents folder" : "without one");
        removeStartFiles();
        requests_.clear();
        if (documentsExist) {
            fs::create_directory(home / "Documents");
        } else {
            fs::remove(home / "Documents");
        }
        const fs::path report = home / "report.txt";
        answerFileDialog(report);
        run([&](Sheet& sheet) {
            sheet.click("Add");
            sheet.click("Print");
            sheet.click("Addd");
            sheet.click("Save");
        });
        ASSERT_EQ(requests_.size(), 1U);
        EXPECT_EQ(requests_[0].startFolder, documentsExist ? home / "Documents" : startDirectory());
        EXPECT_EQ(readBytes(report), exported);
        EXPECT_EQ(readBytes(startDirectory() / "kes.dta"), saved);
    }
}

struct UnsavedCase {
    std::string name;
    const char* action;      // what would drop the list: a close of the sheet, or "Load"
    const char* answer;      // to "Save them to kes.dta?"; nullptr: it must not be asked
    bool change = true;      // a row added first
    bool stays = false;      // the sheet stays open as it was, with the row
    std::string saved;       // kes.dta afterwards ("" when there is none)
    bool fileDialog = false; // Load went on to its file dialog
};

class UnsavedListTest : public ListPageTest, public testing::WithParamInterface<UnsavedCase> {};

// A list with rows added or deleted is offered for saving, naming its file, before the sheet
// closes (whichever way) and before Load replaces it; an unchanged list is dropped unasked.
TEST_P(UnsavedListTest, IsOfferedForSavingBeforeItIsDropped) {
    const UnsavedCase& c = GetParam();
    const std::string_view action = c.action;
    TempFolder other;
    if (c.fileDialog)
        answerFileDialog(other / "fresh");
    std::string question;
    run([&](Sheet& sheet) {
        if (c.change)
            sheet.click("Add");
        if (c.answer != nullptr) {
            answerNextModal([&](QWidget* box) {
                question = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))
                               ->text()
                               .toStdString();
                clickButton(box, c.answer);
            });
        }
        if (action == "Escape")
            QTest::keyClick(sheet.window(), Qt::Key_Escape);
        else if (action == "close box")
            sheet.window()->close();
        else
            sheet.click(c.action);
        EXPECT_EQ(pendingModalAnswers(), 0) << "the question was not asked";
        EXPECT_EQ(sheet.window()->isVisible(), c.stays || action == "Load");
        if (c.stays) {
            EXPECT_EQ(sheet.rows(), (Rows{kHeader, kStartTurnsRow}));
        }
    });
    if (c.answer != nullptr) {
        EXPECT_EQ(question, "The motor list has changes that are not saved. Save them to kes.dta?");
    }
    const fs::path file = startDirectory() / "kes.dta";
    EXPECT_EQ(fs::exists(file) ? readBytes(file) : "", c.saved);
    EXPECT_EQ(requests_.size(), c.fileDialog ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(
    CListDlg, UnsavedListTest,
    testing::Values(
        UnsavedCase{"unchanged_list_closes_unasked", "Cancel", nullptr, false, false, "", false},
        UnsavedCase{"cancel_then_save", "Cancel", "Save", true, false, fileOf({kStartTurnsRow}),
                    false},
        UnsavedCase{"ok_then_discard", "OK", "Discard", true, false, "", false},
        UnsavedCase{"escape_then_cancel_goes_back", "Escape", "Cancel", true, true, "", false},
        UnsavedCase{"close_box_then_save", "close box", "Save", true, false,
                    fileOf({kStartTurnsRow}), false},
        UnsavedCase{"load_then_cancel_opens_no_dialog", "Load", "Cancel", true, true, "", false},
        UnsavedCase{"load_then_discard", "Load", "Discard", true, false, "", true},
        UnsavedCase{"load_then_save", "Load", "Save", true, false, fileOf({kStartTurnsRow}), true}),
    CaseName{});

TEST_F(ListPageTest, AFailedSaveFromTheQuestionIsToldAndTheSheetStaysOpen) {
    TempFolder other;
    const fs::path file = other / "club.dta";
    writeBytes(file, "TanS\n");
    fs::permissions(file, fs::perms::owner_read);
    answerFileDialog(file);
    run([&](Sheet& sheet) {
        sheet.click("Load");
        sheet.click("Add");
        answerNextModal([](QWidget* box) { clickButton(box, "Save"); });
        sheet.click("Cancel");
        EXPECT_TRUE(sheet.window()->isVisible());
        EXPECT_EQ(sheet.rows(), (Rows{kHeader, "TanS", kStartTurnsRow}));
    });
    ASSERT_EQ(messages_.size(), 1U);
    EXPECT_NE(messages_[0].find("read-only"), std::string::npos) << messages_[0];
    EXPECT_EQ(readBytes(file), "TanS\n");
}

struct UnreadableCase {
    std::string name;
    void (*prepare)(const fs::path& file);
    const char* reason;
    const char* replace; // the answer to "Replace it?" at Save
    bool replaced;
};

class UnreadableListTest : public ListPageTest,
                           public testing::WithParamInterface<UnreadableCase> {};

// kes.dta is there but cannot be read: the user is told which file and why, and Save asks
// before it replaces the file.
TEST_P(UnreadableListTest, IsToldAndReplacedOnlyWhenTheUserSaysSo) {
    const UnreadableCase& c = GetParam();
    const fs::path file = startDirectory() / "kes.dta";
    c.prepare(file);
    const fs::file_type kind = fs::symlink_status(file).type();
    std::string asked;
    run([&](Sheet& sheet) {
        EXPECT_EQ(sheet.rows(), Rows{kHeader});
        sheet.click("Add");
        answerNextModal([&](QWidget* box) {
            asked = box->windowTitle().toStdString();
            clickButton(box, c.replace);
        });
        sheet.click("Save");
    });
    ASSERT_FALSE(messages_.empty());
    EXPECT_NE(messages_[0].find("could not read \"" + file.string() + "\": " + c.reason),
              std::string::npos)
        << messages_[0];
    EXPECT_EQ(asked, "Kestrune") << "Save did not ask";
    if (c.replaced) {
        EXPECT_EQ(readBytes(file), fileOf({kStartTurnsRow}));
    } else {
        EXPECT_EQ(fs::symlink_status(file).type(), kind);
    }
    std::error_code ec;
    fs::remove_all(file, ec);
}

INSTANTIATE_TEST_SUITE_P(
    CListDlg, UnreadableListTest,
    testing::Values(UnreadableCase{"fifo", [](const fs::path& f) { ::mkfifo(f.c_str(), 0644); },
                                   "it is a named pipe, not a file", "No", false},
                    UnreadableCase{"folder", [](const fs::path& f) { fs::create_directory(f); },
                                   "it is a folder", "No", false},
                    UnreadableCase{"link_to_a_device",
                                   [](const fs::path& f) { fs::create_symlink("/dev/zero", f); },
                                   "it is a device, not a file", "No", false},
                    UnreadableCase{"sparse_gigabyte_kept",
                                   [](const fs::path& f) {
                                       writeBytes(f, "TanII\n");
                                       fs::resize_file(f, std::uintmax_t{1} << 30);
                                   },
                                   "it is larger than 64 MiB", "No", false},
                    UnreadableCase{"sparse_gigabyte_replaced",
                                   [](const fs::path& f) {
                                       writeBytes(f, "TanII\n");
                                       fs::resize_file(f, std::uintmax_t{1} << 30);
                                   },
                                   "it is larger than 64 MiB", "Yes", true}),
    CaseName{});

TEST_F(ListPageTest, TheMotorListTakesTheRoomOfALargerSheet) {
    run([](Sheet& sheet) {
        QWidget* window = sheet.window();
        const auto at = [&](const char* name) {
            QWidget* widget = findByAccessibleName(window, QString::fromUtf8(name));
            EXPECT_NE(widget, nullptr) << name;
            return widget != nullptr ? widget->geometry() : QRect();
        };
        const QSize small = window->size();
        const QRect list = at("Rubber Motor List");
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        window->resize(small + QSize(300, 200));
        QApplication::processEvents();
        const QRect grown = at("Rubber Motor List");
        EXPECT_GE(grown.width(), list.width() + 290);
        EXPECT_GE(grown.height(), list.height() + 180);
        EXPECT_GT(at("Delete").left(), grown.right()) << "the buttons stay beside the list";
        EXPECT_EQ(at("Delete").top(), list.top());
        EXPECT_GT(at("Breaking Turns").top(), grown.bottom()) << "the summaries stay below it";
        EXPECT_EQ(at("Add").top(), at("Help").top());
        window->resize(100, 100);
        QApplication::processEvents();
        EXPECT_EQ(window->size(), small) << "never smaller than the pages";
        EXPECT_EQ(at("Rubber Motor List"), list);
    });
}

// A row wider than the list can be scrolled to: nothing of it is cut off.
TEST_F(ListPageTest, RowsWiderThanTheListScrollSideways) {
    const Rows rows{"TanII\t1/4\"\t36\tNA\t80%\tNA\t583.21oz/in", "M\xC3\xBCller\t" + kLongRow,
                    kLongRow + "\t|"};
    writeBytes(startDirectory() / "kes.dta", fileOf(rows));
    run([&](Sheet& sheet) {
        detail::ListBoxControl* list = sheet.motorList();
        QApplication::processEvents();
        const QFontMetrics metrics(list->font());
        for (const std::string& row : rows) {
            const QString shown = QString::fromStdString(row);
            const int drawn = metrics
                                  .size(Qt::TextExpandTabs | Qt::TextSingleLine, shown,
                                        static_cast<int>(list->tabStop()))
                                  .width();
            EXPECT_GE(list->contentWidth(), drawn) << row.substr(0, 20);
        }
        EXPECT_TRUE(list->horizontalScrollBar()->isVisible());
        EXPECT_GE(list->horizontalScrollBar()->maximum(),
                  list->contentWidth() - list->viewport()->width() - 2);
    });
}

TEST_F(ListPageTest, HelpShowsTheApplicationTopic) {
    std::vector<unsigned long> shown;
    setHelpHook([&](unsigned long context) { shown.push_back(context); });
    run([](Sheet& sheet) { sheet.click("Help"); });
    setHelpHook({});
    EXPECT_EQ(shown, std::vector<unsigned long>{1});
}

enum class Target { ReadOnlyFile, MissingFolder };

struct FailedWriteCase {
    std::string name;
    const char* button;
    Target target;
};

class FailedWriteTest : public ListPageTest, public testing::WithParamInterface<FailedWriteCase> {};

TEST_P(FailedWriteTest, TellsTheUserAndKeepsTheOldFile) {
    const FailedWriteCase& c = GetParam();
    TempFolder other;
    const bool readOnly = c.target == Target::ReadOnlyFile;
    const fs::path file = readOnly ? other / "club.dta" : other / "gone" / "club.dta";
    if (readOnly) {
        writeBytes(file, "TanS\n");
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    }
    const bool save = std::string_view(c.button) == "Save";
    answerFileDialog(file); // Save writes where Load found its file
    Rows shown;
    run([&](Sheet& sheet) {
        if (save) {
            sheet.click("Load");
        }
        sheet.click("Add");
        shown = sheet.rows();
        sheet.click(c.button);
        EXPECT_EQ(sheet.rows(), shown) << "the list stays on the page";
    });
    ASSERT_EQ(messages_.size(), 1U);
    const std::string& message = messages_[0];
    EXPECT_NE(message.find('"' + file.string() + '"'), std::string::npos) << message;
    const char* reason = readOnly ? "read-only" : "No such file or directory";
    EXPECT_NE(message.find(reason), std::string::npos) << message;
    if (readOnly) {
        EXPECT_EQ(readBytes(file), "TanS\n");
    } else {
        EXPECT_FALSE(fs::exists(file.parent_path()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    CListDlg, FailedWriteTest,
    testing::Values(FailedWriteCase{"save_read_only", "Save", Target::ReadOnlyFile},
                    FailedWriteCase{"save_missing_folder", "Save", Target::MissingFolder},
                    FailedWriteCase{"save_as_read_only", "SaveAs", Target::ReadOnlyFile},
                    FailedWriteCase{"save_as_missing_folder", "SaveAs", Target::MissingFolder},
                    FailedWriteCase{"print_read_only", "Print", Target::ReadOnlyFile},
                    FailedWriteCase{"print_missing_folder", "Print", Target::MissingFolder}),
    CaseName{});

} // namespace
} // namespace kestrune::test
