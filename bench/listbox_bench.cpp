// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The platform list box with a hundred thousand rows, as the List page and the result lists
// may grow: appending, inserting on top (every new result), scrolling. QListWidget alongside,
// for the reason the list box has its own model.

#include "platform/detail/many_line_list.h"
#include "platform/dialog_template.h"
#include "platform/list_box.h"

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using kestrune::platform::ListBox;
using kestrune::platform::detail::ManyLineList;
namespace style = kestrune::platform::style;

constexpr int kRows = 100000;
constexpr unsigned kMotorList =
    style::Border | style::VScroll | style::TabStop | style::Notify | style::UseTabStops;
const std::string kRow = "TanII\t1/8\"\t14\t30\t80%\t1130\t??";

std::unique_ptr<ManyLineList> shownBox() {
    auto box = std::make_unique<ManyLineList>(kMotorList, 56.0, nullptr);
    box->resize(420, 300);
    box->show();
    QApplication::processEvents();
    return box;
}

void fill(ListBox list, int rows) {
    list.ResetContent();
    for (int i = 0; i < rows; ++i) {
        list.AddString(kRow);
    }
    QApplication::processEvents();
}

void BM_ListBoxAppend100k(benchmark::State& state) {
    auto box = shownBox();
    ListBox list(*box);
    for (auto _ : state) {
        fill(list, kRows);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ListBoxAppend100k)->Unit(benchmark::kMillisecond);

// One insertion as the program makes it: a row on top, then the events (layout, painting).
void BM_ListBoxInsertOnTopOf100k(benchmark::State& state) {
    auto box = shownBox();
    ListBox list(*box);
    fill(list, kRows);
    for (auto _ : state) {
        list.InsertString(0, kRow);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ListBoxInsertOnTopOf100k)->Unit(benchmark::kMicrosecond);

void BM_ListBoxScroll100k(benchmark::State& state) {
    auto box = shownBox();
    ListBox list(*box);
    fill(list, kRows);
    QScrollBar* bar = box->verticalScrollBar();
    int value = 0;
    for (auto _ : state) {
        value = (value + 7919) % (bar->maximum() + 1);
        bar->setValue(value);
        box->viewport()->repaint();
    }
}
BENCHMARK(BM_ListBoxScroll100k)->Unit(benchmark::kMicrosecond);

void BM_QListWidgetInsertOnTopOf100k(benchmark::State& state) {
    QListWidget widget;
    widget.setUniformItemSizes(true);
    widget.resize(420, 300);
    widget.show();
    const QString row = QString::fromStdString(kRow);
    for (int i = 0; i < kRows; ++i) {
        widget.addItem(row);
    }
    QApplication::processEvents();
    for (auto _ : state) {
        widget.insertItem(0, row);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_QListWidgetInsertOnTopOf100k)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
