// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/window_builder.h"

#include "platform/CWinApp.h"
#include "platform/detail/button_control.h"
#include "platform/detail/chart_control.h"
#include "platform/detail/combo_box_control.h"
#include "platform/detail/dialog_units.h"
#include "platform/detail/edit_control.h"
#include "platform/detail/many_line_list.h"
#include "platform/detail/one_line_list_box.h"
#include "platform/detail/qt_text.h"
#include "platform/detail/surface_layout.h"
#include "platform/detail/template_geometry.h"
#include "platform/detail/window_access.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <limits>

namespace kestrune::platform::detail {

namespace {

std::function<void(Notification)> notifier(CWnd& owner, int id) {
    // A notification raised while the window is being taken down reaches nobody.
    return [&owner, id](Notification code) {
        if (owner.widget() != nullptr) {
            WindowAccess::command(owner, id, code);
        }
    };
}

// A control whose name is its label's text, not its own.
bool namedByLabel(ControlKind kind) {
    return kind == ControlKind::ListBox || kind == ControlKind::Edit ||
           kind == ControlKind::ComboBox;
}

bool overlapsHorizontally(const ControlTemplate& a, const ControlTemplate& b) {
    return a.x < b.x + b.cx && b.x < a.x + a.cx;
}

// A list box's, edit's or combo box's label: the nearest Static above it that shares some of its
// width.
const ControlTemplate* labelOf(const ControlTemplate& control, const DialogTemplate& tmpl) {
    const ControlTemplate* best = nullptr;
    int bestGap = std::numeric_limits<int>::max();
    for (const ControlTemplate& candidate : tmpl.controls) {
        if (candidate.kind != ControlKind::Static || !overlapsHorizontally(candidate, control)) {
            continue;
        }
        const int gap = control.y - (candidate.y + candidate.cy);
        if (gap >= 0 && gap < bestGap) {
            best = &candidate;
            bestGap = gap;
        }
    }
    return best;
}

// One widget per kind of control; the list box's kind follows from its height.
QWidget* createControl(CWnd& owner, QWidget& surface, const ControlTemplate& control,
                       const DialogUnits& units, SurfaceLayout& layout, std::size_t place) {
    const QString text = qtText(control.text);
    switch (control.kind) {
    case ControlKind::ListBox: {
        const qreal tabStop = units.x(32);
        if (isOneLineList(control, units)) {
            auto* box = new OneLineListBox(control.style, tabStop, &surface);
            box->setNotifier(notifier(owner, control.id));
            box->setWidthNeeded([&layout, place](int width) { layout.need(place, width); });
            return box;
        }
        auto* list = new ManyLineList(control.style, tabStop, &surface);
        list->setNotifier(notifier(owner, control.id));
        return list;
    }
    case ControlKind::Edit: {
        auto* edit = new EditControl(control.style, &surface);
        edit->setText(text);
        edit->setNotifier(notifier(owner, control.id));
        return edit;
    }
    case ControlKind::ComboBox: {
        auto* box = new ComboBoxControl(control.style, &surface);
        box->setNotifier(notifier(owner, control.id));
        return box;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::AutoCheckBox:
        return createButton(control.kind, text, notifier(owner, control.id), &surface);
    case ControlKind::Chart:
        return new ChartControl(&surface);
    case ControlKind::Static:
        break;
    }
    auto* label = new QLabel(text, &surface);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    // Texts sized for another font must not be clipped: a one-line label grows to the right (the
    // geometry sees to that), a taller one wraps.
    label->setWordWrap(labelWraps(control, units));
    return label;
}

// The width a control's text takes, where the control grows to show it.
int neededWidth(const QWidget& widget, const ControlTemplate& control) {
    const bool showsItsText =
        !namedByLabel(control.kind) &&
        !(control.kind == ControlKind::Static && static_cast<const QLabel&>(widget).wordWrap());
    return showsItsText ? widget.sizeHint().width() : 0;
}

} // namespace

QSize templateSize(const QWidget& surface, const DialogTemplate& tmpl) {
    return templateSize(tmpl, DialogUnits(surface.font()));
}

BuiltControls buildControls(CWnd& owner, QWidget& surface, const DialogTemplate& tmpl) {
    const DialogUnits units(surface.font());
    auto* layout = new SurfaceLayout(surface, tmpl);
    BuiltControls built{templateSize(tmpl, units), {}};
    std::vector<QWidget*> widgets;
    std::vector<int> needed;
    widgets.reserve(tmpl.controls.size());

    for (std::size_t i = 0; i < tmpl.controls.size(); ++i) {
        const ControlTemplate& control = tmpl.controls[i];
        QWidget* widget = createControl(owner, surface, control, units, *layout, i);
        // A page is created when its tab is already showing: its controls must show too.
        widget->show();
        if (control.kind == ControlKind::Static) {
            widget->setFocusPolicy(Qt::NoFocus);
        } else {
            widget->setFocusPolicy((control.style & style::TabStop) ? Qt::StrongFocus
                                                                    : Qt::ClickFocus);
            built.tabChain.push_back(widget);
        }
        if (!namedByLabel(control.kind)) {
            widget->setAccessibleName(qtText(control.text));
        }
        WindowAccess::addControl(owner, control.id, control.kind, widget);
        needed.push_back(neededWidth(*widget, control));
        layout->add(widget, needed.back());
        widgets.push_back(widget);
    }
    for (const QRect& area : controlRects(tmpl, units, built.size, needed))
        built.size = built.size.expandedTo(QSize(area.right() + 1, area.bottom() + 1));
    layout->apply();

    // Labels name their list boxes, edits and combo boxes for assistive technology and are their
    // buddies. A combo box's edit field is named too: it is what has the focus in it.
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlTemplate& control = tmpl.controls[i];
        if (!namedByLabel(control.kind)) {
            continue;
        }
        if (const ControlTemplate* label = labelOf(control, tmpl)) {
            const auto at = static_cast<std::size_t>(label - tmpl.controls.data());
            static_cast<QLabel*>(widgets[at])->setBuddy(widgets[i]);
            widgets[i]->setAccessibleName(qtText(label->text));
            if (auto* box = dynamic_cast<QComboBox*>(widgets[i]))
                box->lineEdit()->setAccessibleName(qtText(label->text));
        }
    }
    return built;
}

void focusFirstTabStop(const CWnd& owner, const DialogTemplate& tmpl) {
    for (const ControlTemplate& control : tmpl.controls) {
        if (control.kind == ControlKind::Static || !(control.style & style::TabStop)) {
            continue;
        }
        QWidget* widget = owner.GetDlgItem(control.id);
        if (widget != nullptr && widget->isEnabled()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QWidget* defaultOwner(const CWnd& window, const CWnd* parent) {
    if (parent != nullptr) {
        return parent->widget();
    }
    const CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd != &window) {
        return app->m_pMainWnd->widget();
    }
    return nullptr;
}

} // namespace kestrune::platform::detail
