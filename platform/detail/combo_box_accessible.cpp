// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/combo_box_accessible.h"

#include "platform/detail/combo_box_control.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <array>

namespace kestrune::platform::detail {

namespace {

// The name is the widget's accessible name (the label's text, set by the builder); the list of
// entries and the edit field are its parts, as in Qt's own.
class ComboBoxAccessible final : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(kind);
    }
    int childCount() const override { return static_cast<int>(parts().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        return QAccessible::queryAccessibleInterface(parts()[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* part) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (child(index) == part)
                return index;
        }
        return -1;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    std::array<QObject*, 2> parts() const { return {box()->view(), box()->lineEdit()}; }
};

QAccessibleInterface* comboBoxFactory(const QString& /*className*/, QObject* object) {
    // Qt keeps and deletes the interfaces it is given.
    if (auto* box = dynamic_cast<ComboBoxControl*>(object))
        return new ComboBoxAccessible(box);
    return nullptr;
}

} // namespace

void installComboBoxAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(comboBoxFactory);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace kestrune::platform::detail
