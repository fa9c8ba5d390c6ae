// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/CPropertyPage.h"
#include "platform/CPropertySheet.h"
#include "platform/CWinApp.h"
#include "platform/seams.h"
#include "tests/platform/test_windows.h"
#include "tests/support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <gtest/gtest.h>

namespace kestrune::test {
namespace {

constexpr unsigned kPage = 0;
constexpr std::array<ControlTemplate, 4> kPageControls{{
    {200, ControlKind::ListBox, "", 10, 20, 60, 10, kListStyle},
    {-1, ControlKind::Static, "Pick", 10, 10, 30, 8, 0},
    {201, ControlKind::Edit, "", 80, 20, 60, 12, style::Border | style::TabStop},
    {202, ControlKind::PushButton, "Press", 150, 20, 50, 14, style::TabStop},
}};
constexpr DialogTemplate kOne{600, "One", 210, 100, kPage, kPageControls};
constexpr DialogTemplate kTwo{601, "Two", 210, 100, kPage, kPageControls};
constexpr DialogTemplate kThree{602, "Three", 150, 80, kPage, {}};

// Writes what the sheet does with it into a shared log: "One:init", "One:to", "One:from".
class LoggingPage : public CPropertyPage {
public:
    LoggingPage(const DialogTemplate& tmpl, std::vector<std::string>& log)
        : CPropertyPage(tmpl), log_(log) {}

protected:
    bool OnInitDialog() override {
        log_.push_back(name() + ":init");
        return CPropertyPage::OnInitDialog();
    }
    void DoDataExchange(CDataExchange& dx) override {
        log_.push_back(name() + (dx.saveAndValidate ? ":from" : ":to"));
    }

private:
    std::string name() const { return std::string(GetTemplate().caption); }
    std::vector<std::string>& log_;
};

struct Sheet {
    std::vector<std::string> log;
    LoggingPage one{kOne, log};
    LoggingPage two{kTwo, log};
    LoggingPage three{kThree, log};
    CPropertySheet sheet;

    explicit Sheet(int selectPage = 0) : sheet("Pages", nullptr, selectPage) {
        sheet.AddPage(&one);
        sheet.AddPage(&two);
        sheet.AddPage(&three);
    }
    // Runs the sheet with body as the user; a sheet body leaves open is cancelled.
    int run(std::function<void(QWidget*, QTabWidget*)> body) {
        answerNextModal([body = std::move(body)](QWidget* window) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
            body(window, window->findChild<QTabWidget*>());
            if (window->isVisible()) {
                clickButton(window, "Cancel");
            }
        });
        return sheet.DoModal();
    }
};

void clickTab(QTabWidget* tabs, int index) {
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}

TEST(PropertySheet, ShowsThePagesAsTabsOpenedOnTheSelectedOne) {
    for (const int select : {0, 2}) {
        Sheet s(select);
        s.run([&](QWidget* window, QTabWidget* tabs) {
            EXPECT_EQ(window->windowTitle(), QStringLiteral("Pages"));
            ASSERT_EQ(tabs->count(), 3);
            EXPECT_EQ(tabs->tabText(0), QStringLiteral("One"));
            EXPECT_EQ(tabs->tabText(1), QStringLiteral("Two"));
            EXPECT_EQ(tabs->tabText(2), QStringLiteral("Three"));
            EXPECT_EQ(tabs->currentIndex(), select);
            EXPECT_EQ(s.sheet.GetActiveIndex(), select);
            ASSERT_NE(findButton(window, "Apply"), nullptr);
            EXPECT_FALSE(findButton(window, "Apply")->isEnabled());
        });
    }
}

TEST(PropertySheet, CreatesPagesOnFirstActivationAndExchangesDataOnEachSwitch) {
    Sheet s;
    s.run([&](QWidget*, QTabWidget* tabs) {
        EXPECT_EQ(s.log, (std::vector<std::string>{"One:init", "One:to"}));
        EXPECT_EQ(s.two.widget(), nullptr) << "no window before the first activation";
        clickTab(tabs, 1);
        ASSERT_NE(s.two.GetDlgItem(201), nullptr);
        EXPECT_TRUE(s.two.GetDlgItem(201)->isVisible()) << "controls made on a shown page show";
        clickTab(tabs, 0);
        clickTab(tabs, 1);
    });
    EXPECT_EQ(s.log, (std::vector<std::string>{"One:init", "One:to",             // opened
                                               "One:from", "Two:init", "Two:to", // first visit
                                               "Two:from", "One:to",             // back
                                               "One:from", "Two:to"}));          // again
    EXPECT_EQ(s.one.widget(), nullptr) << "page windows are gone when the sheet has ended";
}

struct SheetEnd {
    const char* name;
    std::function<void(QWidget*)> act;
    int result;
    bool leavesPage; // the active page's data come from its controls
};

void PrintTo(const SheetEnd& c, std::ostream* out) {
    *out << c.name;
}

class SheetEndTest : public testing::TestWithParam<SheetEnd> {};

TEST_P(SheetEndTest, EndsWithItsResult) {
    const SheetEnd& c = GetParam();
    Sheet s;
    const int result = s.run([&](QWidget* window, QTabWidget*) {
        s.log.clear();
        c.act(window);
        EXPECT_FALSE(window->isVisible());
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(s.log,
              c.leavesPage ? std::vector<std::string>{"One:from"} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    PropertySheet, SheetEndTest,
    testing::Values(
        SheetEnd{"ok", [](QWidget* w) { clickButton(w, "OK"); }, IDOK, true},
        SheetEnd{"enter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }, IDOK, true},
        SheetEnd{"cancel", [](QWidget* w) { clickButton(w, "Cancel"); }, IDCANCEL, false},
        SheetEnd{"escape", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, IDCANCEL, false},
        SheetEnd{"close_box", [](QWidget* w) { w->close(); }, IDCANCEL, false}),
    [](const testing::TestParamInfo<SheetEnd>& param) { return param.param.name; });

TEST(PropertySheet, TabOrderInsideALaterPageIsTemplateOrderRightAfterTheTabs) {
    Sheet s;
    s.run([&](QWidget*, QTabWidget* tabs) {
        clickTab(tabs, 1);
        tabs->tabBar()->setFocus(Qt::TabFocusReason);
        std::vector<QWidget*> visited;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(QApplication::focusWidget());
        }
        EXPECT_EQ(visited, (std::vector<QWidget*>{s.two.GetDlgItem(200), s.two.GetDlgItem(201),
                                                  s.two.GetDlgItem(202)}));
    });
}

class TestApp : public CWinApp {
public:
    bool InitInstance() override { return false; }
};

// The first page has the application's topic, the second one of its own.
TEST(PropertySheet, F1AsksForTheActivePagesTopic) {
    for (const auto& [page, topic] : std::vector<std::pair<int, unsigned long>>{{0, 1}, {1, 7}}) {
        std::vector<unsigned long> shown;
        setHelpHook([&](unsigned long context) { shown.push_back(context); });
        TestApp app;
        Sheet s;
        s.two.SetHelpContext(7);
        app.m_pMainWnd = &s.sheet;
        s.run([&, page = page](QWidget*, QTabWidget* tabs) {
            clickTab(tabs, page);
            QWidget* edit = (page == 0 ? s.one : s.two).GetDlgItem(201);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_F1);
        });
        setHelpHook({});
        EXPECT_EQ(shown, std::vector<unsigned long>{topic}) << page;
    }
}

// Every tab shows whole without scroll buttons, at every font size; tabs that fit the pages leave
// the sheet as wide as they are.
TEST(PropertySheet, EveryTabStaysInSight) {
    const QFont original = QApplication::font();
    for (const auto& [points, tabs] : std::vector<std::pair<qreal, int>>{{9, 3}, {9, 8}, {18, 8}}) {
        QFont font = original;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        Sheet s;
        std::deque<DialogTemplate> templates;
        std::deque<LoggingPage> pages;
        for (const std::string_view caption :
             {"Options", "Motor Weight", "Winding", "Batch Log", "Breaking Torque"}) {
            if (s.sheet.GetPageCount() == tabs)
                break;
            templates.push_back({603, caption, 150, 80, kPage, kPageControls});
            s.sheet.AddPage(&pages.emplace_back(templates.back(), s.log));
        }
        s.run([&, points = points, tabs = tabs](QWidget* window, QTabWidget* sheetTabs) {
            const QTabBar* bar = sheetTabs->tabBar();
            EXPECT_TRUE(window->rect().contains(bar->geometry()));
            for (int i = 0; i < bar->count(); ++i)
                EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << i << " at " << points;
            for (const QWidget* button : bar->findChildren<QToolButton*>())
                EXPECT_FALSE(button->isVisible()) << "a scroll button shows";
            if (tabs == 3) {
                EXPECT_EQ(sheetTabs->currentWidget()->width(),
                          sheetTabs->currentWidget()->minimumWidth());
            }
        });
    }
    QApplication::setFont(original);
}

} // namespace
} // namespace kestrune::test
