// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/window_builder.h"

#include "platform/CWinApp.h"
#include "platform/detail/dialog_units.h"
#include "platform/detail/edit_control.h"
#include "platform/detail/list_box_control.h"
#include "platform/detail/qt_text.h"
#include "platform/detail/window_access.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>

namespace kestrune::platform::detail {

DialogWindow::DialogWindow(QWidget* parent, bool frameless, std::function<void()> cancel,
                           std::function<void()> help)
    : QDialog(parent), frameless_(frameless), cancel_(std::move(cancel)) {
    if (frameless) {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    }
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [help = std::move(help)] { help(); });
}

void DialogWindow::reject() {
    cancel_();
}

void DialogWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (frameless_) {
        QPainter painter(this);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = rect();
        frame.lineWidth = 2;
        frame.state |= QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
    }
}

namespace {

std::function<void(Notification)> notifier(CWnd& owner, int id) {
    // A notification raised while the window is being taken down reaches nobody.
    return [&owner, id](Notification code) {
        if (owner.widget() != nullptr) {
            WindowAccess::command(owner, id, code);
        }
    };
}

bool overlapsHorizontally(const ControlTemplate& a, const ControlTemplate& b) {
    return a.x < b.x + b.cx && b.x < a.x + a.cx;
}

// A list box's or edit's label: the nearest Static above it that shares some of its width.
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

QWidget* createControl(CWnd& owner, QWidget& surface, const ControlTemplate& control,
                       const DialogUnits& units) {
    const QString text = qtText(control.text);
    switch (control.kind) {
    case ControlKind::ListBox: {
        auto* box = new ListBoxControl(control.style, units.x(32), &surface);
        box->setNotifier(notifier(owner, control.id));
        return box;
    }
    case ControlKind::Edit: {
        auto* edit = new EditControl(control.style, &surface);
        edit->setText(text);
        edit->setNotifier(notifier(owner, control.id));
        return edit;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, &surface);
        button->setDefault(control.kind == ControlKind::DefPushButton);
        QObject::connect(button, &QPushButton::clicked, button,
                         [tell = notifier(owner, control.id)] { tell(BN_CLICKED); });
        return button;
    }
    case ControlKind::AutoCheckBox: {
        auto* box = new QCheckBox(text, &surface);
        // clicked comes after the box has toggled itself.
        QObject::connect(box, &QCheckBox::clicked, box,
                         [tell = notifier(owner, control.id)] { tell(BN_CLICKED); });
        return box;
    }
    case ControlKind::Static:
        break;
    }
    auto* label = new QLabel(text, &surface);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The rectangle a control takes: the template's, except that a list box shows whole rows only.
QRect fitted(QWidget* widget, const ControlTemplate& control, QRect area) {
    auto* box = dynamic_cast<ListBoxControl*>(widget);
    if (box != nullptr && !(control.style & style::NoIntegralHeight))
        area.setHeight(box->integralHeight(area.height()));
    return area;
}

// Moves and sizes the controls of a surface by their layout whenever the surface is larger than
// the template: the rectangles they were built with are where they stand at the template's size.
class TemplateLayout final : public QObject {
public:
    TemplateLayout(QWidget& surface, const DialogTemplate& tmpl, std::vector<QWidget*> widgets)
        : QObject(&surface), surface_(surface), tmpl_(tmpl), widgets_(std::move(widgets)) {
        for (QWidget* widget : widgets_)
            built_.push_back(widget->geometry());
        surface.installEventFilter(this);
        apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &surface_ && event->type() == QEvent::Resize)
            apply();
        return false;
    }

private:
    void apply() {
        const QSize base = templateSize(surface_, tmpl_);
        const int extraX = std::max(surface_.width() - base.width(), 0);
        const int extraY = std::max(surface_.height() - base.height(), 0);
        for (std::size_t i = 0; i < widgets_.size() && i < tmpl_.layout.size(); ++i) {
            const ControlLayout& follow = tmpl_.layout[i];
            if (follow.moveX == 0 && follow.moveY == 0 && follow.sizeX == 0 && follow.sizeY == 0)
                continue;
            QRect area =
                built_[i].translated(extraX * follow.moveX / 100, extraY * follow.moveY / 100);
            area.setSize(area.size() +
                         QSize(extraX * follow.sizeX / 100, extraY * follow.sizeY / 100));
            widgets_[i]->setGeometry(fitted(widgets_[i], tmpl_.controls[i], area));
        }
    }

    QWidget& surface_;
    const DialogTemplate& tmpl_;
    std::vector<QWidget*> widgets_;
    std::vector<QRect> built_;
};

} // namespace

QSize templateSize(const QWidget& surface, const DialogTemplate& tmpl) {
    const DialogUnits units(surface.font());
    return {units.x(tmpl.cx), units.y(tmpl.cy)};
}

BuiltControls buildControls(CWnd& owner, QWidget& surface, const DialogTemplate& tmpl) {
    const DialogUnits units(surface.font());
    BuiltControls built{templateSize(surface, tmpl), {}};
    std::vector<QWidget*> widgets;
    widgets.reserve(tmpl.controls.size());

    for (const ControlTemplate& control : tmpl.controls) {
        QWidget* widget = createControl(owner, surface, control, units);
        QRect area = units.rect(control.x, control.y, control.cx, control.cy);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            // Texts sized for another font must not be clipped: a one-line label grows to the
            // right, a taller one wraps.
            const bool tall = area.height() >= 2 * widget->fontMetrics().height();
            label->setWordWrap(tall);
            if (!tall) {
                area.setWidth(std::max(area.width(), widget->sizeHint().width()));
            }
        } else if (control.kind == ControlKind::ListBox) {
            // Whole rows only: the list ends above what the template puts just below it.
            area = fitted(widget, control, area);
        } else if (control.kind != ControlKind::Edit) {
            area.setWidth(std::max(area.width(), widget->sizeHint().width()));
        }
        widget->setGeometry(area);
        // A page is created when its tab is already showing: its controls must show too.
        widget->show();
        if (control.kind == ControlKind::Static) {
            widget->setFocusPolicy(Qt::NoFocus);
        } else {
            widget->setFocusPolicy((control.style & style::TabStop) ? Qt::StrongFocus
                                                                    : Qt::ClickFocus);
            built.tabChain.push_back(widget);
        }
        if (auto* box = dynamic_cast<ListBoxControl*>(widget)) {
            box->updateOneLine();
        }
        if (control.kind != ControlKind::ListBox && control.kind != ControlKind::Edit) {
            widget->setAccessibleName(qtText(control.text));
        }
        WindowAccess::addControl(owner, control.id, control.kind, widget);
        built.size = built.size.expandedTo(QSize(area.right() + 1, area.bottom() + 1));
        widgets.push_back(widget);
    }

    // Labels name their list boxes and edits for assistive technology and are their buddies.
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlTemplate& control = tmpl.controls[i];
        if (control.kind != ControlKind::ListBox && control.kind != ControlKind::Edit) {
            continue;
        }
        if (const ControlTemplate* label = labelOf(control, tmpl)) {
            const auto at = static_cast<std::size_t>(label - tmpl.controls.data());
            static_cast<QLabel*>(widgets[at])->setBuddy(widgets[i]);
            widgets[i]->setAccessibleName(qtText(label->text));
        }
    }
    if (!tmpl.layout.empty())
        new TemplateLayout(surface, tmpl, std::move(widgets));
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
