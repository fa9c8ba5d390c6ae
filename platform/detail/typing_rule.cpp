// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/typing_rule.h"

#include "core/number_text.h"
#include "platform/detail/qt_text.h"
#include "platform/dialog_template.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>

namespace kestrune::platform::detail {

namespace {
// Long enough to read, short enough not to linger over the next box.
constexpr int kTipMilliseconds = 4000;
} // namespace

TypingRule* TypingRule::attach(unsigned style, QLineEdit& input, QWidget& box) {
    TypingRule* rule = nullptr;
    if (style & style::Number) {
        rule = new TypingRule(
            kestrune::isDigitsOnly,
            QStringLiteral("This box takes whole numbers only: the digits 0 to 9."), input, box);
    } else if (style & style::Decimal) {
        rule = new TypingRule(
            kestrune::isNumberPrefix,
            QStringLiteral("This box takes numbers written with a point, such as 12.5."), input,
            box);
    }
    if (rule != nullptr)
        input.setValidator(rule);
    return rule;
}

TypingRule::TypingRule(bool (*allows)(std::string_view), const QString& tip, QLineEdit& input,
                       QWidget& box)
    : QValidator(&input), allows_(allows), usualTip_(tip), box_(box) {
    connect(&input, &QLineEdit::textChanged, this, [this](const QString& text) {
        before_ = text;
        refusing_ = false;
    });
    connect(&input, &QLineEdit::cursorPositionChanged, this, [this] { refusing_ = false; });
    connect(&input, &QLineEdit::selectionChanged, this, [this, &input] {
        // A refused key typed over a selection gives the same selection back: no move.
        const std::pair selection{input.selectionStart(), input.selectionLength()};
        if (selection != selection_)
            refusing_ = false;
        selection_ = selection;
    });
    // A tool-tip window of its own: Qt's tool tip vanishes at the release of the very key that
    // was refused.
    tip_ = new QLabel(tip, &box, Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
    tip_->setObjectName(QStringLiteral("refusalTip"));
    tip_->setPalette(QToolTip::palette());
    tip_->setFont(QToolTip::font());
    tip_->setForegroundRole(QPalette::ToolTipText);
    tip_->setBackgroundRole(QPalette::ToolTipBase);
    tip_->setAutoFillBackground(true);
    tip_->setFrameStyle(QFrame::Box | QFrame::Plain);
    tip_->setMargin(tip_->fontMetrics().averageCharWidth() / 2 + 1);
    tip_->setAccessibleName(tip);
    tipTimer_ = new QTimer(this);
    tipTimer_->setSingleShot(true);
    connect(tipTimer_, &QTimer::timeout, tip_, &QWidget::hide);
    connect(&input, &QLineEdit::inputRejected, this, [this] {
        // The keys refused after the first keep its tip.
        if (!refusing_) {
            const bool point = added_ == u'.' || added_ == u',';
            tip_->setText(point && !pointTip_.isEmpty() ? pointTip_ : usualTip_);
            tip_->setAccessibleName(tip_->text());
        }
        refusing_ = true;
        showTip();
    });
    connect(&input, &QLineEdit::textEdited, tip_, &QWidget::hide);
    box.installEventFilter(this);
    // A combo box hands its keys to its line, which has the clicks.
    input.installEventFilter(this);
}

QValidator::State TypingRule::validate(QString& text, int& pos) const {
    const bool allowed = allows_(stdText(text));
    if (allowed && !refusing_)
        return Acceptable;
    // What came in at once between what the box held and what it would hold.
    qsizetype head = 0;
    while (head < text.size() && head < before_.size() && text[head] == before_[head])
        ++head;
    qsizetype tail = 0;
    while (tail < text.size() - head && tail < before_.size() - head &&
           text[text.size() - 1 - tail] == before_[before_.size() - 1 - tail])
        ++tail;
    const QString added = text.mid(head, text.size() - head - tail);
    added_ = added;
    if (refusing_ && !added.isEmpty())
        return Invalid;
    if (allowed)
        return Acceptable; // while refusing, only a deletion comes here
    // A comma typed is the point, as a decimal-comma desktop's keypad gives it.
    if (added == u',') {
        QString pointed = text;
        pointed[head] = u'.';
        if (!allows_(stdText(pointed)))
            return Invalid;
        text = pointed;
        return Acceptable;
    }
    const QString trimmed = added.trimmed();
    // Only a paste (more than one character at once) with blanks around it gets a second chance.
    if (added.size() < 2 || trimmed.size() == added.size())
        return Invalid;
    const QString cleaned = text.left(head) + trimmed + text.right(tail);
    if (!allows_(stdText(cleaned)))
        return Invalid;
    text = cleaned;
    pos = static_cast<int>(head + trimmed.size());
    return Acceptable;
}

bool TypingRule::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &box_ && event->type() == QEvent::FocusOut)
        tip_->hide();
    if (event->type() == QEvent::MouseButtonPress)
        refusing_ = false;
    // These end a refusal even where they change nothing, as End at the end of the text.
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            refusing_ = false;
            break;
        default:
            break;
        }
    }
    return false;
}

void TypingRule::showTip() {
    tip_->adjustSize();
    tip_->move(box_.mapToGlobal(QPoint(0, box_.height())));
    tip_->show();
    tip_->raise();
    tipTimer_->start(kTipMilliseconds);
    QAccessibleEvent alert(tip_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace kestrune::platform::detail
