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
#include <deque>
#include <gtest/gtest.h>

namespace kestrune::test {

namespace {

struct Answer {
    std::function<void(QWidget*)> run;
    QPointer<QWidget> openedOver; // the modal window active when the answer was queued
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
        modal != state.queue.front().openedOver) {
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
    answerer().queue.push_back({std::move(answer), QApplication::activeModalWidget()});
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
