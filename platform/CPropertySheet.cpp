// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/CPropertySheet.h"

#include "platform/CPropertyPage.h"
#include "platform/detail/dialog_window.h"
#include "platform/detail/enter_key_filter.h"
#include "platform/detail/qt_text.h"
#include "platform/detail/sheet_tabs.h"
#include "platform/detail/window_access.h"
#include "platform/detail/window_builder.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <memory>

namespace kestrune::platform {

namespace {

// The keys that turn the pages, whatever control has the focus (a list box would take Ctrl+PgDn
// as a page of its own rows).
struct PageKey {
    QKeyCombination keys;
    int step;
};
constexpr std::array<PageKey, 5> kPageKeys{{
    {Qt::CTRL | Qt::Key_Tab, +1},
    {Qt::CTRL | Qt::Key_PageDown, +1},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
    {Qt::CTRL | Qt::Key_PageUp, -1},
}};

} // namespace

CPropertySheet::CPropertySheet(std::string caption, CWnd* parent, int selectPage)
    : caption_(std::move(caption)), parent_(parent), selectPage_(selectPage) {}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage* page) {
    pages_.push_back(page);
    created_.push_back(false);
}

int CPropertySheet::DoModal() {
    if (pages_.empty()) {
        return IDCANCEL;
    }
    auto window = std::make_unique<detail::DialogWindow>(
        detail::defaultOwner(*this, parent_), false, [this] { finish(IDCANCEL); },
        [this] { detail::WindowAccess::helpInfo(*this); });
    window->setWindowTitle(detail::qtText(caption_));
    detail::WindowAccess::attach(*this, window.get());

    // The sheet can be made larger (pages with a layout use the room), never smaller than its
    // largest page.
    window->setSizeGripEnabled(true);
    window->setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(window.get());
    tabs_ = new detail::SheetTabs(window.get());
    QSize pageSize;
    for (const CPropertyPage* page : pages_) {
        pageSize = pageSize.expandedTo(detail::templateSize(*window, page->GetTemplate()));
    }
    for (const CPropertyPage* page : pages_) {
        auto* surface = new QWidget;
        surface->setMinimumSize(pageSize);
        const std::string_view caption = page->GetTemplate().caption;
        const QString title = detail::qtText(caption);
        surface->setAccessibleName(title);
        tabs_->addTab(surface, title);
    }
    layout->addWidget(tabs_);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, window.get());
    buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
    QObject::connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, window.get(),
                     [this] { finish(IDOK); });
    QObject::connect(buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, window.get(),
                     [this] { finish(IDCANCEL); });
    layout->addWidget(buttons);

    QObject::connect(tabs_, &QTabWidget::currentChanged, window.get(),
                     [this](int index) { activate(index); });
    for (const PageKey& key : kPageKeys) {
        auto* shortcut = new QShortcut(QKeySequence(key.keys), window.get());
        QObject::connect(shortcut, &QShortcut::activated, window.get(), [this, step = key.step] {
            const int count = GetPageCount();
            SetActivePage((active_ + step + count) % count);
        });
    }
    const int first = std::clamp(selectPage_, 0, GetPageCount() - 1);
    tabs_->setCurrentIndex(first);
    activate(first);

    const int result = window->exec();

    for (CPropertyPage* page : pages_) {
        detail::WindowAccess::detach(*page);
    }
    std::fill(created_.begin(), created_.end(), false);
    active_ = -1;
    tabs_ = nullptr;
    detail::WindowAccess::detach(*this);
    window.reset();
    return result == IDOK ? IDOK : IDCANCEL;
}

bool CPropertySheet::SetActivePage(int index) {
    if (tabs_ == nullptr || index < 0 || index >= GetPageCount()) {
        return false;
    }
    tabs_->setCurrentIndex(index);
    return true;
}

void CPropertySheet::activate(int index) {
    if (index == active_ || index < 0 || index >= GetPageCount()) {
        return;
    }
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    if (active_ >= 0 && created_[at(active_)]) {
        detail::WindowAccess::updateData(*pages_[at(active_)], true);
    }
    active_ = index;
    CPropertyPage& page = *pages_[at(index)];
    if (created_[at(index)]) {
        detail::WindowAccess::updateData(page, false);
        return;
    }
    // First activation: the page's window comes into being now.
    QWidget* surface = tabs_->widget(index);
    detail::WindowAccess::attach(page, surface);
    const detail::BuiltControls built = detail::buildControls(page, *surface, page.GetTemplate());
    // Controls made after the sheet's buttons still come right after the tabs in the tab order.
    QWidget* previous = tabs_->tabBar();
    for (QWidget* control : built.tabChain) {
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
    created_[at(index)] = true;
    surface->installEventFilter(new detail::EnterKeyFilter(
        page, [&page](int controlId) { return page.OnEnterKey(controlId); }, surface));
    // Only the page the sheet opens on takes the focus; a tab click leaves it on the tabs.
    if (detail::WindowAccess::initDialog(page) && !widget()->isVisible()) {
        detail::focusFirstTabStop(page, page.GetTemplate());
    }
}

bool CPropertySheet::OnHelpInfo() {
    if (active_ >= 0 && created_[static_cast<std::size_t>(active_)])
        return detail::WindowAccess::helpInfo(*pages_[static_cast<std::size_t>(active_)]);
    return CWnd::OnHelpInfo();
}

void CPropertySheet::finish(int result) {
    if (result == IDOK && active_ >= 0 && created_[static_cast<std::size_t>(active_)]) {
        detail::WindowAccess::updateData(*pages_[static_cast<std::size_t>(active_)], true);
    }
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (created_[i] && !(result == IDOK ? pages_[i]->OnApply() : pages_[i]->OnQueryCancel()))
            return; // a page keeps the sheet open (it asked the user)
    }
    static_cast<detail::DialogWindow*>(widget())->end(result);
}

} // namespace kestrune::platform
