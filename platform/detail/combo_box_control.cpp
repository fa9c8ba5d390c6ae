// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/combo_box_control.h"

#include "platform/detail/combo_box_accessible.h"
#include "platform/detail/typing_rule.h"
#include "platform/dialog_template.h"

#include <QCompleter>
#include <QLineEdit>

namespace kestrune::platform::detail {

ComboBoxControl::ComboBoxControl(unsigned style, QWidget* parent) : QComboBox(parent) {
    installComboBoxAccessible();
    setEditable(true);
    setFrame((style & style::Border) != 0);
    // Typed text stays as typed unless the box completes: Qt would complete it to an entry and
    // add it on Enter. A completing box finds the entry whatever the case typed.
    if ((style & style::AutoComplete) != 0) {
        auto* completer = new QCompleter(model(), this);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::InlineCompletion);
        setCompleter(completer);
    } else {
        setCompleter(nullptr);
    }
    setInsertPolicy(NoInsert);
    TypingRule::attach(style, *lineEdit(), *this);
    connect(this, &QComboBox::activated, this, [this] { tell(CBN_SELCHANGE); });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { tell(CBN_EDITCHANGE); });
}

int ComboBoxControl::curSel() const {
    const QString shown = currentText();
    const int current = currentIndex();
    if (current >= 0 && itemText(current) == shown)
        return current;
    return findText(shown);
}

void ComboBoxControl::tell(Notification code) const {
    if (notify_)
        notify_(code);
}

} // namespace kestrune::platform::detail
