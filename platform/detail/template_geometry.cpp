// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/template_geometry.h"

#include <algorithm>

namespace kestrune::platform::detail {

namespace {

int integralHeight(int height, int row, int border) {
    return std::max((height - 2 * border) / row, 1) * row + 2 * border;
}

bool fitsWholeRows(const ControlTemplate& control) {
    return control.kind == ControlKind::ListBox && !(control.style & style::NoIntegralHeight);
}

// One-line lists that line up widen together to the widest entry any of them needs, so the column
// stays straight; never over a control on the right of any of them, nor off the surface.
void widenOneLineColumns(const DialogTemplate& tmpl, const DialogUnits& units, int surfaceWidth,
                         std::span<const int> needed, std::vector<QRect>& rects) {
    const auto controls = tmpl.controls;
    const auto oneLine = [&](std::size_t i) {
        return controls[i].kind == ControlKind::ListBox && isOneLineList(controls[i], units);
    };
    for (std::size_t first = 0; first < controls.size(); ++first) {
        if (!oneLine(first))
            continue;
        std::vector<std::size_t> column;
        int widest = 0;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (oneLine(i) && controls[i].x == controls[first].x &&
                controls[i].cx == controls[first].cx) {
                column.push_back(i);
                widest = std::max(widest, i < needed.size() ? needed[i] : 0);
            }
        }
        if (column.front() != first || widest <= rects[first].width())
            continue; // handled with its column's first list, or nothing to widen
        int limit = surfaceWidth - units.gap();
        for (const std::size_t i : column) {
            const QRect own = rects[i];
            for (std::size_t other = 0; other < rects.size(); ++other) {
                const QRect area = rects[other];
                const bool sameBand = area.top() < own.bottom() && area.bottom() > own.top();
                if (other != i && sameBand && area.left() >= own.right())
                    limit = std::min(limit, area.left() - units.gap());
            }
        }
        const int width = std::min(widest, limit - rects[first].x());
        for (const std::size_t i : column)
            rects[i].setWidth(std::max(rects[i].width(), width));
    }
}

} // namespace

QSize templateSize(const DialogTemplate& tmpl, const DialogUnits& units) {
    return {units.x(tmpl.cx), units.y(tmpl.cy)};
}

int listBorder(unsigned style) {
    // The line and a pixel of room inside it (see paintBorder).
    return (style & style::Border) ? 2 : 0;
}

bool isOneLineList(const ControlTemplate& control, const DialogUnits& units) {
    const int height = units.rect(control.x, control.y, control.cx, control.cy).height();
    return height - 2 * listBorder(control.style) < 2 * units.rowHeight();
}

bool labelWraps(const ControlTemplate& control, const DialogUnits& units) {
    return units.rect(control.x, control.y, control.cx, control.cy).height() >=
           2 * units.rowHeight();
}

std::vector<QRect> controlRects(const DialogTemplate& tmpl, const DialogUnits& units, QSize surface,
                                std::span<const int> neededWidths) {
    std::vector<QRect> rects;
    rects.reserve(tmpl.controls.size());
    for (std::size_t i = 0; i < tmpl.controls.size(); ++i) {
        const ControlTemplate& control = tmpl.controls[i];
        QRect area = units.rect(control.x, control.y, control.cx, control.cy);
        const int needed = i < neededWidths.size() ? neededWidths[i] : 0;
        const bool grows = control.kind == ControlKind::Static
                               ? !labelWraps(control, units)
                               : control.kind != ControlKind::Edit &&
                                     control.kind != ControlKind::ComboBox &&
                                     control.kind != ControlKind::ListBox;
        if (grows)
            area.setWidth(std::max(area.width(), needed));
        if (fitsWholeRows(control))
            area.setHeight(
                integralHeight(area.height(), units.rowHeight(), listBorder(control.style)));
        rects.push_back(area);
    }
    widenOneLineColumns(tmpl, units, surface.width(), neededWidths, rects);

    const QSize base = templateSize(tmpl, units);
    const int extraX = std::max(surface.width() - base.width(), 0);
    const int extraY = std::max(surface.height() - base.height(), 0);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const ControlTemplate& control = tmpl.controls[i];
        const ControlLayout& follow = control.layout;
        if (follow.moveX == 0 && follow.moveY == 0 && follow.sizeX == 0 && follow.sizeY == 0)
            continue;
        QRect& area = rects[i];
        area.translate(extraX * follow.moveX / 100, extraY * follow.moveY / 100);
        area.setSize(area.size() + QSize(extraX * follow.sizeX / 100, extraY * follow.sizeY / 100));
        if (fitsWholeRows(control))
            area.setHeight(
                integralHeight(area.height(), units.rowHeight(), listBorder(control.style)));
    }
    return rects;
}

} // namespace kestrune::platform::detail
