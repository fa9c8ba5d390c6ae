// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/surface_layout.h"

#include "platform/detail/template_geometry.h"

#include <QEvent>
#include <QWidget>

namespace kestrune::platform::detail {

SurfaceLayout::SurfaceLayout(QWidget& surface, const DialogTemplate& tmpl)
    : QObject(&surface), surface_(surface), tmpl_(tmpl) {
    surface.installEventFilter(this);
}

void SurfaceLayout::add(QWidget* control, int neededWidth) {
    controls_.push_back(control);
    needed_.push_back(neededWidth);
}

void SurfaceLayout::need(std::size_t control, int width) {
    if (control < needed_.size() && width > needed_[control]) {
        needed_[control] = width;
        apply();
    }
}

void SurfaceLayout::apply() {
    const std::vector<QRect> rects =
        controlRects(tmpl_, DialogUnits(surface_.font()), surface_.size(), needed_);
    for (std::size_t i = 0; i < controls_.size() && i < rects.size(); ++i)
        controls_[i]->setGeometry(rects[i]);
}

bool SurfaceLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &surface_ && event->type() == QEvent::Resize)
        apply();
    return false;
}

} // namespace kestrune::platform::detail
