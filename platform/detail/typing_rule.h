// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Keeps a number box to what its style lets the user write. A key or paste that would break the
// rule leaves the text as it was and shows a short tip under the box saying what it takes; a
// paste first loses the blanks and line ends around it (a spreadsheet cell comes as "12\n").

#include <QValidator>

class QLabel;
class QLineEdit;
class QTimer;

namespace kestrune::platform::detail {

class TypingRule final : public QValidator {
public:
    // Gives input the rule of the style (Number or Decimal), if it has one. input: the line the
    // user types into; box: the control it belongs to (the line itself, or the combo box around
    // it), under which the tip shows and whose leaving takes the tip away.
    static void attach(unsigned style, QLineEdit& input, QWidget& box);

    State validate(QString& text, int& pos) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TypingRule(bool (*allows)(QStringView), const QString& tip, QLineEdit& input, QWidget& box);
    void showTip();

    bool (*allows_)(QStringView);
    QString before_;
    QWidget& box_;
    QLabel* tip_;
    QTimer* tipTimer_;
};

} // namespace kestrune::platform::detail
