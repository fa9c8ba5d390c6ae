// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Keeps the controls of a surface where the template geometry puts them: when the surface
// changes size and when a control needs more width for what it shows.

#include "platform/dialog_template.h"

#include <QObject>
#include <vector>

class QWidget;

namespace kestrune::platform::detail {

class SurfaceLayout final : public QObject {
public:
    // The surface owns the layout; the controls are added in template order.
    SurfaceLayout(QWidget& surface, const DialogTemplate& tmpl);

    void add(QWidget* control, int neededWidth);
    // The control (its place in the template) needs at least this width; it never shrinks back.
    void need(std::size_t control, int width);
    void apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& surface_;
    const DialogTemplate& tmpl_;
    std::vector<QWidget*> controls_;
    std::vector<int> needed_;
};

} // namespace kestrune::platform::detail
