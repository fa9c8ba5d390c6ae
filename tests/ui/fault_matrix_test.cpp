// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// Every write the program makes, against every way a write can fail: the file that was there
// stays whole, and the user is told which file could not be written.

#include "batches/batch_log_file.h"
#include "files/file_io.h"
#include "files/start_directory.h"
#include "platform/seams.h"
#include "settings/settings_file.h"
#include "tests/support/modal.h"
#include "tests/support/program_files.h"
#include "tests/support/temp_folder.h"
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
#include <sys/stat.h>
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

enum class Fault { ReadOnlyTarget, FileSizeLimit, TargetIsAFolder, TargetIsAFifo, LinkToADevice };
const char* const kFaultNames[] = {"read_only_target", "file_size_limit", "target_is_a_folder",
                                   "target_is_a_fifo", "link_to_a_device"};

// What the program could not read when it started, or when the List page opened: it asks before
// it replaces that.
bool unreadable(Fault fault) {
    return fault == Fault::TargetIsAFolder || fault == Fault::TargetIsAFifo ||
           fault == Fault::LinkToADevice;
}

struct Operation {
    const char* name;
    fs::path (*target)();
    // Runs in the sheet; `write` is called around the moment the write happens.
    std::function<void(QWidget* sheet, const std::function<void()>& write)> act;
    bool endsWithOkAndYes;
    bool readsItFirst;   // the program read the target before (kes.cfg at start, kes.dta)
    bool changesTheList; // rows added and not saved when the sheet closes
};

void openTab(QWidget* sheet, int index) {
    sheet->findChild<QTabWidget*>()->setCurrentIndex(index);
}

fs::path otherFolderFile(const char* name) {
    return startDirectory() / "elsewhere" / name;
}

const std::vector<Operation> kOperations{
    {"settings_at_exit", [] { return settingsFilePath(); }, {}, true, true, false},
    {"save_value", [] { return settingsFilePath(); },
     [](QWidget* sheet, const std::function<void()>& write) {
         answerNextModal([&](QWidget* dialog) {
             QTest::mouseClick(findButton(dialog, "Save Value"), Qt::LeftButton);
             write();
             clickButton(dialog, "OK");
         });
         clickButton(sheet, "Calibrate");
     },
     false, true, false},
    {"save", [] { return startDirectory() / "kes.dta"; },
     [](QWidget* sheet, const std::function<void()>& write) {
         openTab(sheet, 3);
         clickButton(sheet, "Add");
         write();
         clickButton(sheet, "Save");
     },
     false, true, true},
    {"save_as", [] { return otherFolderFile("motors.dta"); },
     [](QWidget* sheet, const std::function<void()>& write) {
         openTab(sheet, 3);
         clickButton(sheet, "Add");
         setFileDialogHook([](const FileDialogRequest&) { return otherFolderFile("motors.dta"); });
         write();
         clickButton(sheet, "SaveAs");
         setFileDialogHook({});
     },
     false, false, true},
    {"export", [] { return otherFolderFile("motors.txt"); },
     [](QWidget* sheet, const std::function<void()>& write) {
         openTab(sheet, 3);
         setFileDialogHook([](const FileDialogRequest&) { return otherFolderFile("motors.txt"); });
         write();
         clickButton(sheet, "Print");
         setFileDialogHook({});
     },
     false, false, false},
    {"batch_log_add", [] { return batchLogFilePath(); },
     [](QWidget* sheet, const std::function<void()>& write) {
         openTab(sheet, 7);
         for (const char* box : {"Batch", "Length", "Turns"})
             QTest::keyClicks(findByAccessibleName(sheet, box), "12");
         write();
         clickButton(sheet, "Add");
     },
     false, true, false},
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
        const fs::path target = std::get<0>(GetParam()).target();
        if (fs::symlink_status(target, ec).type() == fs::file_type::regular)
            fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(target, ec);
    }
};

TEST_P(FaultMatrix, KeepsTheOldFileAndTellsTheUser) {
    const Operation& operation = std::get<0>(GetParam());
    const Fault fault = std::get<1>(GetParam());
    const fs::path target = operation.target();
    const std::string old = "old contents of the file\n";
    if (fault == Fault::TargetIsAFolder) {
        fs::create_directory(target);
    } else if (fault == Fault::TargetIsAFifo) {
        ASSERT_EQ(::mkfifo(target.c_str(), 0644), 0);
    } else if (fault == Fault::LinkToADevice) {
        fs::create_symlink("/dev/null", target);
    } else {
        ASSERT_TRUE(writeFileAtomically(target, old).done());
    }
    if (fault == Fault::ReadOnlyTarget)
        fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    const fs::file_type kind = fs::symlink_status(target).type();

    std::unique_ptr<FileSizeLimit> limit;
    const std::function<void()> write = [&] {
        if (fault == Fault::FileSizeLimit)
            limit = std::make_unique<FileSizeLimit>(8);
        // A file that could not be read is replaced only when the user says so: yes here.
        if (unreadable(fault) && operation.readsItFirst)
            answerNextModal([](QWidget* question) { clickButton(question, "Yes"); });
    };
    std::vector<std::string> saveFailures;
    std::vector<std::string> readFailures;
    setMessageHook([&](const std::string&, const std::string& text) {
        limit.reset();
        (text.find("could not save") != std::string::npos ? saveFailures : readFailures)
            .push_back(text);
    });

    answerNextModal([&](QWidget* sheet) {
        if (operation.act) {
            operation.act(sheet, write);
            limit.reset();
        }
        if (operation.changesTheList) // the failed save left it so; close without it
            answerNextModal([](QWidget* question) { clickButton(question, "Discard"); });
        answerNextModal([&](QWidget* question) { // after any window the operation opened
            if (operation.endsWithOkAndYes)
                write();
            clickButton(question, operation.endsWithOkAndYes ? "Yes" : "No");
        });
        clickButton(sheet, operation.endsWithOkAndYes ? "OK" : "Cancel");
    });
    CMotorApp app;
    app.InitInstance();
    limit.reset();

    // What could not be read was told when it was read (at start, or as the List page opened).
    EXPECT_EQ(readFailures.size(), unreadable(fault) && operation.readsItFirst ? 1U : 0U);
    ASSERT_EQ(saveFailures.size(), 1U) << "the user is told once";
    EXPECT_NE(saveFailures[0].find(target.string()), std::string::npos) << saveFailures[0];
    EXPECT_EQ(fs::symlink_status(target).type(), kind) << "what stood there is still there";
    if (kind == fs::file_type::regular) {
        EXPECT_EQ(readBytes(target), old);
    }
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Operation, Fault>>& info) {
    return std::string(std::get<0>(info.param).name) + "_" +
           kFaultNames[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    EveryWrite, FaultMatrix,
    ::testing::Combine(::testing::ValuesIn(kOperations),
                       ::testing::Values(Fault::ReadOnlyTarget, Fault::FileSizeLimit,
                                         Fault::TargetIsAFolder, Fault::TargetIsAFifo,
                                         Fault::LinkToADevice)),
    caseName);

void PrintTo(const Operation& operation, std::ostream* out) {
    *out << operation.name;
}

void PrintTo(Fault fault, std::ostream* out) {
    *out << kFaultNames[static_cast<int>(fault)];
}

} // namespace
} // namespace kestrune::test
