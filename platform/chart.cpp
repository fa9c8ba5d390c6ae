// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/chart.h"

#include "platform/detail/chart_control.h"
#include "platform/detail/qt_text.h"

namespace kestrune::platform {

void Chart::SetData(ChartData data) {
    control_->setData(std::move(data));
}

void Chart::SetAccessibleName(std::string_view name) {
    control_->setAccessibleName(detail::qtText(name));
}

void Chart::SetAccessibleDescription(std::string_view description) {
    control_->setAccessibleDescription(detail::qtText(description));
}

} // namespace kestrune::platform
