// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Keeps a number box to what its style lets the user write. A key or paste that would break the
// rule leaves the text as it was and shows a short tip under the box saying what it takes; a
// paste first loses the blanks and line ends around it (a spreadsheet cell comes as "12\n"). What
// is typed or pasted right after a refusal is refused too, until Backspace, Delete, a move of the
// cursor or another change of the text: "20.5" in a whole-number box stays 20, never 205. A comma
// typed is the decimal point.

#include <QValidator>
#include <string_view>
#include <utility>

class QLabel;
class QLineEdit;
class QTimer;

namespace kestrune::platform::detail {

class TypingRule final : public QValidator {
public:
    // Gives input the rule of the style, if it has one: Number takes digits only, Decimal what
    // can still grow into a number the program's reader takes whole (isDigitsOnly and
    // isNumberPrefix of core/number_text.h). input: the line the user types into; box: the control
    // it belongs to (the line itself, or the combo box around it), under which the tip shows and
    // whose leaving takes the tip away. The rule, owned by input; null for a style without one.
    static TypingRule* attach(unsigned style, QLineEdit& input, QWidget& box);

    // The tip for a point or a comma refused, in place of the usual one; empty: the usual one.
    void setPointTip(const QString& tip) { pointTip_ = tip; }

    State validate(QString& text, int& pos) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TypingRule(bool (*allows)(std::string_view), const QString& tip, QLineEdit& input,
               QWidget& box);
    void showTip();

    bool (*allows_)(std::string_view); // asked about the whole text, as UTF-8
    QString before_;
    const QString usualTip_;
    QString pointTip_;
    mutable QString added_; // by the change asked about last: a refusal's tip depends on it
    bool refusing_ = false; // since a refusal, nothing more is added at its place
    std::pair<int, int> selection_{-1, 0}; // start and length, as last told
    QWidget& box_;
    QLabel* tip_;
    QTimer* tipTimer_;
};

} // namespace kestrune::platform::detail
