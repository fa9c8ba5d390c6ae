// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The chart's widget: paints its data in the window's colours whenever it shows or changes size.

#include "platform/chart.h"

#include <QWidget>

namespace kestrune::platform::detail {

class ChartControl final : public QWidget {
public:
    explicit ChartControl(QWidget* parent);

    void setData(ChartData data);
    const ChartData& data() const { return data_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartData data_;
};

} // namespace kestrune::platform::detail
