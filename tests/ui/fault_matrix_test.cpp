// Every write the program makes, against every way a write can fail: the file that was there
// stays whole, and the user is told which file could not be written.

#include "core/file_io.h"
#include "platform/seams.h"
#include "settings/settings_file.h"
#include "tests/support/modal.h"
#include "ui/CMotorApp.h"

#include <QAbstractButton>
#include <QTabWidget>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace kestrune::test {
namespace {

namespace fs = std::filesystem;
using namespace platform;

// Sets a file-size limit (as a full disk would stop a write) for the rest of the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

enum class Fault { ReadOnlyTarget, FileSizeLimit, TargetIsAFolder };

struct Operation {
    const char* name;
    fs::path (*target)();
    // Runs in the sheet; `write` is called around the moment the write happens.
    std::function<void(QWidget* sheet, const std::function<void()>& write)> act;
    bool endsWithOkAndYes;
};

void openTab(QWidget* sheet, int index) {
    sheet->findChild<QTabWidget*>()->setCurrentIndex(index);
}

fs::path otherFolderFile(const char* name) {
    return startDirectory() / "elsewhere" / name;
}

const std::vector<Operation> kOperations{
    {"settings_at_exit", [] { return settingsFilePath(); }, {}, true},
    {"save_value", [] { return settingsFilePath(); },
     [](QWidget* sheet, const std::function<void()>& write) {
         answerNextModal([&](QWidget* dialog) {
             QTest::mouseClick(findButton(dialog, "Save Value"), Qt::LeftButton);
             write();
             clickButton(dialog, "OK");
         });
         clickButton(sheet, "Calibrate");
     },
     false},
    {"save", [] { return startDirectory() / "kes.dta"; },
     [](QWidget* sheet, const std::function<void()>& write) {
         openTab(sheet, 3);
         clickButton(sheet, "Add");
         write();
         clickButton(sheet, "Save");
     },
     false},
    {"save_as", [] { return otherFolderFile("motors.dta"); },
     [](QWidget* sheet, const std::function<void()>& write) {
         openTab(sheet, 3);
         clickButton(sheet, "Add");
         setFileDialogHook([](const FileDialogRequest&) { return otherFolderFile("motors.dta"); });
         write();
         clickButton(sheet, "SaveAs");
         setFileDialogHook({});
     },
     false},
    {"export", [] { return otherFolderFile("motors.txt"); },
     [](QWidget* sheet, const std::function<void()>& write) {
         openTab(sheet, 3);
         setFileDialogHook([](const FileDialogRequest&) { return otherFolderFile("motors.txt"); });
         write();
         clickButton(sheet, "Print");
         setFileDialogHook({});
     },
     false},
};

class FaultMatrix : public ::testing::TestWithParam<std::tuple<Operation, Fault>> {
protected:
    void SetUp() override {
        std::signal(SIGXFSZ, SIG_IGN); // as the program does: a too large write fails instead
        fs::remove_all(startDirectory() / "elsewhere");
        fs::create_directory(startDirectory() / "elsewhere");
        fs::remove(settingsFilePath());
        fs::remove(startDirectory() / "kes.dta");
    }
    void TearDown() override {
        setMessageHook({});
        clearModalAnswers();
        std::error_code ec;
        fs::permissions(std::get<0>(GetParam()).target(), fs::perms::owner_write,
                        fs::perm_options::add, ec);
        fs::remove_all(std::get<0>(GetParam()).target(), ec);
    }
};

TEST_P(FaultMatrix, KeepsTheOldFileAndTellsTheUser) {
    const auto& [operation, fault] = GetParam();
    const fs::path target = operation.target();
    const std::string old = "old contents of the file\n";
    if (fault == Fault::TargetIsAFolder) {
        fs::create_directory(target);
    } else {
        ASSERT_TRUE(writeFileAtomically(target, old).ok);
    }
    if (fault == Fault::ReadOnlyTarget)
        fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);

    std::unique_ptr<FileSizeLimit> limit;
    const std::function<void()> write = [&] {
        if (fault == Fault::FileSizeLimit)
            limit = std::make_unique<FileSizeLimit>(8);
    };
    std::vector<std::string> messages;
    setMessageHook([&](const std::string&, const std::string& text) {
        limit.reset();
        messages.push_back(text);
    });

    const auto answerQuestion = [&](QWidget* question) {
        if (operation.endsWithOkAndYes)
            write();
        clickButton(question, operation.endsWithOkAndYes ? "Yes" : "No");
    };
    answerNextModal([&](QWidget* sheet) {
        if (operation.act) {
            operation.act(sheet, write);
            limit.reset();
        }
        answerNextModal(answerQuestion); // after any window the operation opened
        clickButton(sheet, operation.endsWithOkAndYes ? "OK" : "Cancel");
    });
    CMotorApp app;
    app.InitInstance();
    limit.reset();

    ASSERT_EQ(messages.size(), 1U) << "the user is told once";
    EXPECT_NE(messages[0].find(target.string()), std::string::npos) << messages[0];
    if (fault == Fault::TargetIsAFolder) {
        EXPECT_TRUE(fs::is_directory(target));
    } else {
        EXPECT_EQ(readWholeFile(target), old);
    }
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Operation, Fault>>& info) {
    static const char* const faults[] = {"read_only_target", "file_size_limit",
                                         "target_is_a_folder"};
    return std::string(std::get<0>(info.param).name) + "_" +
           faults[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, FaultMatrix,
                         ::testing::Combine(::testing::ValuesIn(kOperations),
                                            ::testing::Values(Fault::ReadOnlyTarget,
                                                              Fault::FileSizeLimit,
                                                              Fault::TargetIsAFolder)),
                         caseName);

void PrintTo(const Operation& operation, std::ostream* out) {
    *out << operation.name;
}

} // namespace
} // namespace kestrune::test
