#include "platform/detail/edit_control.h"

#include "platform/dialog_template.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace kestrune::platform::detail {

EditControl::EditControl(unsigned style, QWidget* parent) : QLineEdit(parent) {
    setFrame((style & style::Border) != 0);
    if (style & style::Number) {
        // A paste with anything but digits is refused whole, as a typed letter is.
        setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    }
    connect(this, &QLineEdit::textChanged, this, [this] { tell(EN_UPDATE); });
}

void EditControl::setWindowText(const QString& text) {
    if (text == this->text()) {
        tell(EN_UPDATE);
    } else {
        setText(text);
    }
}

void EditControl::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    tell(EN_SETFOCUS);
}

void EditControl::tell(Notification code) const {
    if (notify_) {
        notify_(code);
    }
}

} // namespace kestrune::platform::detail
