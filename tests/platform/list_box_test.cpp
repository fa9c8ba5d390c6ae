// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/dialog_units.h"
#include "tests/platform/run_dialog.h"
#include "tests/platform/test_windows.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace kestrune::test {
namespace {

QAbstractItemView* boxOf(CWnd& window, int id) {
    return qobject_cast<QAbstractItemView*>(window.GetDlgItem(id));
}

// A box too low for two rows draws its own arrows: the view's scroll bars never show.
bool isOneLine(const QAbstractItemView* box) {
    return box->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff;
}

void fill(ListBox box, int rows) {
    box.ResetContent();
    for (int i = 0; i < rows; ++i) {
        box.AddString("row " + std::to_string(i));
    }
}

// The row a one-line list box shows.
int shownRow(QAbstractItemView* box) {
    return box->indexAt(QPoint(4, box->viewport()->height() / 2)).row();
}

void wheel(QAbstractItemView* box, int angle) {
    wheelOver(box->viewport(), angle);
}

TEST(ListBox, OperationsReturnWhatTheListHolds) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        ListBox box = dialog.GetListBox(kRowList);
        EXPECT_EQ(box.AddString("b"), 0);
        EXPECT_EQ(box.InsertString(0, "a\tfirst"), 0);
        EXPECT_EQ(box.InsertString(-1, "c"), 2);
        EXPECT_EQ(box.InsertString(4, "beyond the end"), -1);
        EXPECT_EQ(box.GetCount(), 3);
        EXPECT_EQ(box.GetText(0), "a\tfirst"); // tabs stay in the text
        EXPECT_EQ(box.GetText(3), "");
        EXPECT_EQ(box.DeleteString(1), 2);
        EXPECT_EQ(box.DeleteString(2), -1);
        EXPECT_EQ(box.GetText(1), "c");
        box.SetCurSel(1);
        EXPECT_EQ(box.GetCurSel(), 1);
        box.SetCurSel(-1);
        EXPECT_EQ(box.GetCurSel(), -1);
        box.SetCurSel(1);
        box.ResetContent();
        EXPECT_EQ(box.GetCount(), 0);
        EXPECT_EQ(box.GetCurSel(), -1);
    });
}

// A list with a row source keeps no text: each row, and the widest, follow what the source gives.
TEST(ListBox, RowsMadeWhenShownFollowTheirSource) {
    std::vector<std::string> source{"a", std::string(60, 'W'), "c"};
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        ListBox box = dialog.GetListBox(kRowList);
        QAbstractItemView* view = boxOf(dialog, kRowList);
        const auto widest = [view] {
            return view->sizeHintForIndex(view->model()->index(0, 0)).width();
        };
        box.AddString("kept");
        box.SetRowSource([&source](int row) { return source.at(static_cast<std::size_t>(row)); });
        EXPECT_EQ(box.GetCount(), 0) << "the kept rows are gone";
        EXPECT_EQ(box.AddString("x"), -1);
        EXPECT_EQ(box.SetCount(3), 3);
        EXPECT_EQ(box.GetText(1), source[1]);
        EXPECT_EQ(view->model()->index(2, 0).data().toString(), QStringLiteral("c"));
        const int wide = widest();
        source.erase(source.begin() + 1);
        EXPECT_EQ(box.DeleteString(1), 2);
        EXPECT_EQ(box.GetText(1), "c");
        EXPECT_LT(widest(), wide / 4) << "measured again without the widest row";
        source.emplace_back(60, 'W');
        EXPECT_EQ(box.SetCount(3), 3);
        EXPECT_EQ(widest(), wide);
        source[2] = "d";
        EXPECT_TRUE(box.RefreshRows(1, 2));
        EXPECT_LT(widest(), wide / 4) << "the widest row shows a short text now";
        EXPECT_EQ(view->model()->index(2, 0).data().toString(), QStringLiteral("d"));
        source[0].assign(60, 'W');
        EXPECT_TRUE(box.RefreshRows(0, 0));
        EXPECT_EQ(widest(), wide);
        EXPECT_FALSE(box.RefreshRows(2, 3)) << "no row 3";
        EXPECT_FALSE(dialog.GetListBox(kOneLineList).RefreshRows(0, 0)) << "it keeps its rows";
        EXPECT_EQ(box.SetCount(1), 1);
        EXPECT_EQ(box.GetText(1), "");
        EXPECT_EQ(dialog.GetListBox(kOneLineList).SetCount(1), -1) << "it keeps its rows";
        // A long table shows at once; its last rows are measured once the window is idle.
        source.assign(100'000, "a");
        source.back().assign(60, 'W');
        box.ResetContent();
        box.SetCount(100'000);
        EXPECT_LT(widest(), wide / 4);
        for (int turn = 0; turn < 20 && widest() < wide; ++turn)
            QApplication::processEvents();
        EXPECT_EQ(widest(), wide);
    });
}

TEST(ListBox, RowsKeepTheirBytesAndShowEachByte) {
    struct Row {
        std::string bytes;
        QString shown;
    };
    const std::vector<Row> rows{
        {"TanII\t1/8\"\t14", QStringLiteral("TanII\t1/8\"\t14")},
        {"\xFFodd", QStringLiteral("\u00FFodd")},         // not UTF-8: each byte a character
        {"M\xC3\xBCller", QStringLiteral("M\u00FCller")}, // UTF-8
        {std::string("a\0b", 3), QString::fromLatin1("a\0b", 3)},
        {"", QString()},
        // Only the start of a long row is shown (and laid out); its bytes stay whole.
        {std::string(5000, 'x'), QString(4096, QLatin1Char('x'))},
        {std::string(4095, 'x') + "\xC3\xBC" + std::string(100, 'y'),
         QString(4095, QLatin1Char('x'))},
    };
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        ListBox box = dialog.GetListBox(kRowList);
        for (const Row& row : rows) {
            box.AddString(row.bytes);
        }
        box.InsertString(0, "\xE9t\xE9");
        EXPECT_EQ(box.GetText(0), "\xE9t\xE9");
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int index = static_cast<int>(i) + 1;
            EXPECT_EQ(box.GetText(index), rows[i].bytes) << i;
            EXPECT_EQ(boxOf(dialog, kRowList)->model()->index(index, 0).data().toString(),
                      rows[i].shown)
                << i;
        }
    });
}

TEST(ListBox, ProgramSelectionRaisesNoNotification) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        for (int id : {kOneLineList, kRowList}) {
            ListBox box = dialog.GetListBox(id);
            fill(box, 5);
            box.SetCurSel(3);
            box.InsertString(0, "new top");
            box.DeleteString(0);
            box.SetCurSel(-1);
        }
        EXPECT_EQ(dialog.count(kOneLineList, LBN_SELCHANGE), 0);
        EXPECT_EQ(dialog.count(kRowList, LBN_SELCHANGE), 0);
    });
}

struct UserSelection {
    const char* name;
    int list;
    std::function<void(QAbstractItemView*)> act;
    int selectionAfter; // from row 2 selected
    bool notified;
};

void PrintTo(const UserSelection& selection, std::ostream* out) {
    *out << selection.name;
}

class UserSelectionTest : public testing::TestWithParam<UserSelection> {};

TEST_P(UserSelectionTest, NotifiesOnlyARealChange) {
    const UserSelection& c = GetParam();
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        QAbstractItemView* box = boxOf(dialog, c.list);
        fill(dialog.GetListBox(c.list), 6);
        dialog.GetListBox(c.list).SetCurSel(2);
        box->setFocus();
        c.act(box);
        EXPECT_EQ(dialog.GetListBox(c.list).GetCurSel(), c.selectionAfter);
        EXPECT_EQ(dialog.count(c.list, LBN_SELCHANGE), c.notified ? 1 : 0);
        if (isOneLine(box) && c.selectionAfter >= 0) {
            EXPECT_EQ(shownRow(box), c.selectionAfter) << "a one-line list shows its selection";
        }
    });
}

INSTANTIATE_TEST_SUITE_P(
    ListBox, UserSelectionTest,
    testing::Values(
        UserSelection{"down_key_steps_a_one_line_list", kOneLineList,
                      [](QAbstractItemView* box) { QTest::keyClick(box, Qt::Key_Down); }, 3, true},
        UserSelection{"up_key_steps_back", kOneLineList,
                      [](QAbstractItemView* box) { QTest::keyClick(box, Qt::Key_Up); }, 1, true},
        UserSelection{"wheel_notch_down_steps_a_one_line_list", kOneLineList,
                      [](QAbstractItemView* box) { wheel(box, -120); }, 3, true},
        UserSelection{"wheel_notch_up_steps_back", kOneLineList,
                      [](QAbstractItemView* box) { wheel(box, 120); }, 1, true},
        UserSelection{"half_a_notch_does_nothing", kOneLineList,
                      [](QAbstractItemView* box) { wheel(box, -60); }, 2, false},
        UserSelection{"lower_arrow_steps_down", kOneLineList,
                      [](QAbstractItemView* box) {
                          // The arrows are at the right end, the lower one below the middle.
                          QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                                            QPoint(box->width() - 5, box->height() - 4));
                      },
                      3, true},
        UserSelection{"home_key_jumps_to_the_first_row", kOneLineList,
                      [](QAbstractItemView* box) { QTest::keyClick(box, Qt::Key_Home); }, 0, true},
        UserSelection{"click_on_another_row", kRowList,
                      [](QAbstractItemView* box) {
                          QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                                            box->visualRect(box->model()->index(0, 0)).center());
                      },
                      0, true},
        UserSelection{"click_on_the_selected_row", kRowList,
                      [](QAbstractItemView* box) {
                          QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                                            box->visualRect(box->model()->index(2, 0)).center());
                      },
                      2, false},
        UserSelection{"wheel_scrolls_a_row_list_without_selecting", kRowList,
                      [](QAbstractItemView* box) { wheel(box, -120); }, 2, false},
        UserSelection{"keys_never_select_in_a_nosel_list", kNoSelList,
                      [](QAbstractItemView* box) { QTest::keyClick(box, Qt::Key_Down); }, -1,
                      false}),
    [](const testing::TestParamInfo<UserSelection>& param) { return param.param.name; });

TEST(ListBox, HandlerMayClearTheSelectionTheUserMade) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        fill(dialog.GetListBox(kRowList), 4);
        QAbstractItemView* box = boxOf(dialog, kRowList);
        dialog.onEvent = [](RecordingDialog& self, const Event& event) {
            if (event.code == LBN_SELCHANGE && self.GetListBox(kRowList).GetCurSel() == 0) {
                self.GetListBox(kRowList).SetCurSel(-1);
            }
        };
        dialog.GetListBox(kRowList).SetCurSel(1);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Up);
        EXPECT_EQ(dialog.GetListBox(kRowList).GetCurSel(), -1);
        QTest::keyClick(box, Qt::Key_Down);
        EXPECT_EQ(dialog.GetListBox(kRowList).GetCurSel(), 1);
    });
}

TEST(ListBox, OneLineListKeepsShowingItsSelectionWhileRowsAreAppended) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        // The way the Width lists are filled: three widths, select the middle one, two more.
        ListBox box = dialog.GetListBox(kOneLineList);
        box.ResetContent();
        for (const char* width : {"1/16", "3/32", "1/8"}) {
            box.AddString(width);
        }
        box.SetCurSel(2);
        box.AddString("3/16");
        box.AddString("1/4");
        QApplication::processEvents();
        EXPECT_TRUE(isOneLine(boxOf(dialog, kOneLineList)));
        EXPECT_EQ(shownRow(boxOf(dialog, kOneLineList)), 2);
    });
}

TEST(ListBox, OneLineResultListShowsTheRowInsertedOnTop) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        ListBox box = dialog.GetListBox(kNoSelList);
        for (int i = 0; i < 5; ++i) {
            box.InsertString(0, std::to_string(i));
            QApplication::processEvents();
            EXPECT_EQ(shownRow(boxOf(dialog, kNoSelList)), 0);
        }
        EXPECT_EQ(box.GetText(0), "4");
    });
}

TEST(ListBox, OneLineListWidensToShowItsEntryButNotOverItsNeighbour) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        QAbstractItemView* box = boxOf(dialog, kOneLineList);
        const QString medium = QStringLiteral("Tan Super Sport");
        dialog.GetListBox(kOneLineList).AddString(medium.toStdString());
        EXPECT_GT(box->width(), box->fontMetrics().horizontalAdvance(medium));
        dialog.GetListBox(kOneLineList).AddString(std::string(200, 'W'));
        EXPECT_LT(box->geometry().right(), dialog.GetDlgItem(kRowList)->geometry().left());
    });
}

// A list made taller after its rows came (a larger sheet) scrolls sideways to its widest row.
TEST(ListBox, ListMadeTallerAfterItsRowsScrollsToTheWidestRow) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        QAbstractItemView* box = boxOf(dialog, kRowList);
        const QSize size = box->size();
        box->resize(size.width(), box->fontMetrics().height());
        const std::string wide(120, 'W');
        dialog.GetListBox(kRowList).AddString(wide);
        box->resize(size);
        QApplication::processEvents();
        const int drawn = box->fontMetrics().horizontalAdvance(QString::fromStdString(wide));
        EXPECT_GE(box->horizontalScrollBar()->maximum() + box->viewport()->width(), drawn);
    });
}

// Where the ink of a row's last character begins.
int lastInkLeft(QAbstractItemView* box, int row) {
    const QImage image = box->viewport()->grab().toImage();
    const QRect area = box->visualRect(box->model()->index(row, 0));
    std::vector<bool> inked;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool ink = false;
        for (int y = area.top(); y <= area.bottom(); ++y)
            ink = ink || image.pixelColor(x, y).lightness() < 128;
        inked.push_back(ink);
    }
    const auto last = std::find(std::find(inked.rbegin(), inked.rend(), true), inked.rend(), false);
    return area.left() + static_cast<int>(inked.rend() - last);
}

// Drawn and measured (the width sets the sideways scrolling) at the same stops, read with its tabs.
TEST(ListBox, RowsAreDrawnAndMeasuredAtTheirTabStops) {
    struct Case {
        std::vector<int> stops;
        const char* row;
        int xAt; // where the X after the last tab stands, in dialog units
    };
    const std::vector<Case> cases{
        {{}, "a\tX", 32},                  // none: every 32
        {{20}, "a\tb\tX", 40},             // one: a spacing
        {{20, 50}, "a\tb\tX", 50},         // the columns of a table
        {{20, 50}, "a\tb\tc\tX", 64},      // after the last, every 32
        {{10, 60}, "WWWWWW\tX", 10},       // a wide cell is cut at the next stop
        {{20, 50}, "WWWWWWWWW\tb\tX", 50}, // and the rest stay in their columns
        {{40, 30, 40, 70}, "a\tb\tX", 70}, // places that do not increase are dropped
    };
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        EXPECT_FALSE(dialog.GetListBox(kOneLineList).SetTabStops(cases[1].stops));
        ListBox list = dialog.GetListBox(kRowList);
        QAbstractItemView* box = boxOf(dialog, kRowList);
        const auto width = [box] {
            return box->sizeHintForIndex(box->model()->index(0, 0)).width();
        };
        for (const Case& c : cases) {
            ASSERT_TRUE(list.SetTabStops(c.stops));
            const int stop = detail::DialogUnits(box->font()).x(c.xAt);
            fill(list, 0);
            list.AddString("X");
            const int plain = width();
            fill(list, 0);
            list.AddString(c.row);
            EXPECT_NEAR(width() - plain, stop, 1) << c.row << " measured";
            list.AddString("X");
            QApplication::processEvents();
            EXPECT_NEAR(lastInkLeft(box, 0) - lastInkLeft(box, 1), stop, 1) << c.row << " drawn";
            EXPECT_EQ(box->model()->index(0, 0).data(Qt::AccessibleTextRole), QString(c.row));
        }
    });
}

TEST(ListBox, FocusIsNotified) {
    RecordingDialog dialog;
    runDialog(dialog, [&](QWidget*) {
        boxOf(dialog, kRowList)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(dialog.count(kRowList, LBN_SETFOCUS), 1);
    });
}

} // namespace
} // namespace kestrune::test
