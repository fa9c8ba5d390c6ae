// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/detail/desktop.h"

#include "platform/detail/file_filter.h"
#include "platform/detail/qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <vector>

namespace kestrune::platform::detail {

namespace {

QWidget* activeOwner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

} // namespace

QString shortenLongWords(const QString& text, const QFontMetrics& metrics, int width) {
    QString shown;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        const QString word = text.mid(start, end - start);
        shown += metrics.horizontalAdvance(word) > width
                     ? metrics.elidedText(word, Qt::ElideMiddle, width)
                     : word;
        for (start = end; start < text.size() && text[start].isSpace(); ++start)
            shown += text[start];
    }
    return shown;
}

std::optional<std::filesystem::path> showFileDialog(const FileDialogRequest& request,
                                                    QWidget* parent) {
    QFileDialog dialog(parent != nullptr ? parent : activeOwner(),
                       request.open ? QStringLiteral("Open") : QStringLiteral("Save As"),
                       qtPath(request.startFolder));
    // Qt's own dialog: it adds the default suffix before it asks about replacing a file, so the
    // question names the file that is written, and its open mode takes a new name. The desktop's
    // dialogs ask about the name as typed and open existing files only.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open && request.mustExist ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.defaultExt.empty()) {
        dialog.setDefaultSuffix(qtText(request.defaultExt));
    }
    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    // A pattern such as "*.dta" is what the filter already shows; in the name box it would be
    // taken as the name of the file to write.
    if (request.fileName.find_first_of("*?") == std::string::npos && !request.fileName.empty()) {
        dialog.selectFile(qtText(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return stdPath(dialog.selectedFiles().constFirst());
}

int showMessageBox(const std::string& caption, const std::string& text, unsigned type) {
    QWidget* owner = activeOwner();
    QMessageBox box(type == MB_OK ? QMessageBox::Warning : QMessageBox::Question, qtText(caption),
                    QString(), QMessageBox::NoButton, owner);
    // A message stays narrower than the screen: a word too long for half its width (a file name
    // with its folders) is shortened in the middle.
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const int widest = screen != nullptr ? screen->availableGeometry().width() / 2 : 600;
    box.setText(shortenLongWords(qtText(text), box.fontMetrics(), widest));
    struct Choice {
        QMessageBox::StandardButton button;
        int result;
    };
    std::vector<Choice> choices;
    if (type == MB_YESNO) {
        choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
        box.setDefaultButton(box.addButton(QMessageBox::Yes));
        box.setDefaultButton(box.addButton(QMessageBox::No)); // replacing a file is not the default
        box.setEscapeButton(QMessageBox::No);
    } else if (type == MB_SAVEDISCARDCANCEL) {
        choices = {{QMessageBox::Save, IDYES},
                   {QMessageBox::Discard, IDNO},
                   {QMessageBox::Cancel, IDCANCEL}};
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        choices = {{QMessageBox::Ok, IDOK}};
        box.setStandardButtons(QMessageBox::Ok);
    }
    // Every answer has an access key, as the desktop gives Yes and No theirs.
    for (QAbstractButton* button : box.buttons()) {
        if (!button->text().contains(QLatin1Char('&')))
            button->setText(QLatin1Char('&') + button->text());
    }
    box.exec();
    const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
    for (const Choice& choice : choices) {
        if (choice.button == clicked)
            return choice.result;
    }
    return type == MB_YESNO ? IDNO : IDCANCEL; // closed without a button: the safe answer
}

} // namespace kestrune::platform::detail
