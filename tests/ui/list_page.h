// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The List page in the program's own page sheet, as a user reaches it: what its tests share.
// File dialogs are answered through their seam, warnings are caught by the message seam.

#include "core/calc_state.h"
#include "files/file_io.h"
#include "files/start_directory.h"
#include "list/motor_rows.h"
#include "platform/detail/list_box_control.h"
#include "platform/seams.h"
#include "tests/support/modal.h"
#include "tests/ui/page_sheet.h"
#include "ui/CMotorApp.h"

#include <QAbstractItemView>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace kestrune::test {

using Rows = std::vector<std::string>;

inline constexpr int kTurnsTab = 0;
inline constexpr int kListTab = 3;
inline const std::string kHeader(kHeaderRow);
// The rows "Add" and "Addd" append for the motors the pages compute when the program starts.
inline const std::string kStartTurnsRow = "TanII\t1/8\"\t4\t1\"\t80%\t60\tNA";
inline const std::string kStartTorqueRow = "TanII\t1/8\"\t2\tNA\t100%\tNA\t??";

// The rows as the lines of a file, each with its line end.
inline std::string fileOf(const Rows& rows) {
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

    // A list box of the window by its label: the widget, and the face the pages use.
    QAbstractItemView* view(const char* label) const {
        auto* found = qobject_cast<QAbstractItemView*>(
            findByAccessibleName(window_, QString::fromUtf8(label)));
        EXPECT_NE(found, nullptr) << label;
        return found;
    }
    platform::ListBox box(const char* label) const {
        return platform::ListBox(*dynamic_cast<platform::detail::ListBoxControl*>(view(label)));
    }
    QAbstractItemView* motorList() const { return view("Rubber Motor List"); }

    static Rows rowsOf(const platform::ListBox& list) {
        Rows rows;
        for (int i = 0; i < list.GetCount(); ++i) {
            rows.push_back(list.GetText(i));
        }
        return rows;
    }
    Rows rows() const { return rowsOf(box("Rubber Motor List")); }
    int selection() const { return box("Rubber Motor List").GetCurSel(); }

    void clickRow(int row) {
        QAbstractItemView* list = motorList();
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
        platform::setFileDialogHook([this](const platform::FileDialogRequest& request)
                                        -> std::optional<std::filesystem::path> {
            requests_.push_back(request);
            if (answers_.empty()) {
                ADD_FAILURE() << "a file dialog nobody expected";
                return std::nullopt;
            }
            std::optional<std::filesystem::path> answer = answers_.front();
            answers_.pop_front();
            return answer;
        });
        platform::setMessageHook(
            [this](const std::string&, const std::string& text) { messages_.push_back(text); });
    }

    void TearDown() override {
        platform::setFileDialogHook({});
        platform::setMessageHook({});
        clearModalAnswers();
        removeStartFiles();
    }

    static void removeStartFiles() {
        for (const char* name : {"kes.dta", "kes.cfg"}) {
            std::error_code ec;
            std::filesystem::remove(startDirectory() / name, ec);
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

    void answerFileDialog(std::optional<std::filesystem::path> chosen) {
        answers_.push_back(std::move(chosen));
    }

    std::deque<std::optional<std::filesystem::path>> answers_;
    std::vector<platform::FileDialogRequest> requests_;
    std::vector<std::string> messages_;
};

} // namespace kestrune::test
