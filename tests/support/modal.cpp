// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "tests/support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace kestrune::test {

namespace {

struct Answer {
    std::function<void(QWidget*)> run;
    std::vector<QPointer<QWidget>> openBefore; // the modal windows open when it was queued

    bool wasOpenBefore(const QWidget* window) const {
        return std::any_of(openBefore.begin(), openBefore.end(),
                           [window](const QPointer<QWidget>& open) { return open == window; });
    }
};

struct Answerer {
    std::deque<Answer> queue;
    QPointer<QWidget> lastAnswered;
    QPointer<QWidget> waiting; // the unanswered modal window the watchdog is timing
    QElapsedTimer waitingSince;
    QTimer* poll = nullptr;
};

Answerer& answerer();

void pollOnce() {
    Answerer& state = answerer();
    state.poll->setInterval(state.queue.empty() ? 20 : 0);
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        state.waiting = nullptr;
        return;
    }
    if (!state.queue.empty() && modal != state.lastAnswered &&
        !state.queue.front().wasOpenBefore(modal)) {
        Answer answer = std::move(state.queue.front());
        state.queue.pop_front();
        state.lastAnswered = modal;
        state.waiting = nullptr;
        // A timer of its own, so this one keeps polling while the answer opens nested windows.
        QTimer::singleShot(0, modal, [modal, run = std::move(answer.run)] { run(modal); });
        return;
    }
    // An answered window that its answer left open is timed too, so a failed answer ends in a
    // failure instead of a test spinning for ever.
    if (state.waiting != modal) {
        state.waiting = modal;
        state.waitingSince.start();
    } else if (state.waitingSince.elapsed() > 10000) {
        ADD_FAILURE() << "a modal window (" << modal->windowTitle().toStdString()
                      << ") was left unanswered or open; closing it";
        state.waiting = nullptr;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }
}

Answerer& answerer() {
    static Answerer state;
    if (state.poll == nullptr && QCoreApplication::instance() != nullptr) {
        state.poll = new QTimer(QCoreApplication::instance());
        state.poll->setInterval(0);
        QObject::connect(state.poll, &QTimer::timeout, state.poll, pollOnce);
        state.poll->start();
    }
    return state;
}

} // namespace

void answerNextModal(std::function<void(QWidget* modal)> answer) {
    // Not only the active one: a window under a nested one becomes active again when that closes.
    std::vector<QPointer<QWidget>> open;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isModal())
            open.emplace_back(window);
    }
    answerer().queue.push_back({std::move(answer), std::move(open)});
}

int pendingModalAnswers() {
    return static_cast<int>(answerer().queue.size());
}

void clearModalAnswers() {
    answerer().queue.clear();
}

QWidget* findByAccessibleName(QWidget* window, const QString& name) {
    if (window == nullptr) {
        return nullptr;
    }
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (widget->isVisible() && widget->accessibleName() == name) {
            return widget;
        }
    }
    return nullptr;
}

void wheelOver(QWidget* widget, int angle) {
    const QPointF at(4, 4);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

QAbstractButton* findButton(QWidget* window, const QString& name) {
    if (window == nullptr) {
        return nullptr;
    }
    const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        QString caption =
            button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
        caption.remove(QLatin1Char('&'));
        if (button->isVisible() && caption == name) {
            return button;
        }
    }
    return nullptr;
}

void clickButton(QWidget* window, const QString& name) {
    QAbstractButton* button = findButton(window, name);
    if (button == nullptr) {
        ADD_FAILURE() << "no button \"" << name.toStdString() << "\"";
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace kestrune::test
