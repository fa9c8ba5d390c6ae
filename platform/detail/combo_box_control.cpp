// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/combo_box_control.h"

#include "platform/detail/combo_box_accessible.h"
#include "platform/detail/typing_rule.h"
#include "platform/dialog_template.h"

#include <QAbstractItemView>
#include <QAccessible>
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
    // Qt selects the shown entry in the list only when the list pops up, so a screen reader
    // found no current entry before the first choice; and it heard no change of the entry.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (QAbstractItemView* entries = view())
            entries->setCurrentIndex(model()->index(index, modelColumn(), rootModelIndex()));
    });
    connect(this, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        QAccessibleValueChangeEvent changed(this, text);
        QAccessible::updateAccessibility(&changed);
    });
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
