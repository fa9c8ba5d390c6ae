// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The real help viewer, file dialog and warning box behind the seams.

#include "platform/detail/dialog_units.h"
#include "platform/detail/file_filter.h"
#include "platform/detail/help.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>
#include <limits>
#include <vector>

namespace kestrune::platform::detail {

namespace {

QPointer<QTextBrowser>& viewer() {
    static QPointer<QTextBrowser> window;
    return window;
}

// Where a window of the size goes beside the owner, on the owner's screen: to its right, else to
// its left, below or above; where none of these has room, where it covers the least of it.
QPoint besideOf(const QWidget& owner, QSize size) {
    const QRect frame = owner.frameGeometry();
    const QScreen* screen = owner.screen();
    const QRect room =
        screen != nullptr ? screen->availableGeometry() : frame.adjusted(-2000, -2000, 2000, 2000);
    const int gap = owner.fontMetrics().averageCharWidth();
    const auto within = [&](QPoint at) {
        at.setX(std::clamp(at.x(), room.left(),
                           std::max(room.left(), room.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), room.top(),
                           std::max(room.top(), room.bottom() + 1 - size.height())));
        return at;
    };
    const QPoint candidates[] = {
        within({frame.right() + 1 + gap, frame.top()}),
        within({frame.left() - gap - size.width(), frame.top()}),
        within({frame.left(), frame.bottom() + 1 + gap}),
        within({frame.left(), frame.top() - gap - size.height()}),
    };
    QPoint best = candidates[0];
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (const QPoint at : candidates) {
        const QRect covered = QRect(at, size).intersected(frame);
        const qint64 area = covered.isEmpty() ? 0 : qint64{covered.width()} * covered.height();
        if (area < leastCovered) {
            best = at;
            leastCovered = area;
        }
    }
    return best;
}

QWidget* activeOwner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

} // namespace

void showHelpViewer(unsigned long context) {
    // The viewer belongs to the modal window that asked, so that window's modality does not
    // block it; a request from another window gets a viewer of its own.
    QWidget* owner = QApplication::activeModalWidget();
    QTextBrowser* browser = viewer().data();
    if (browser != nullptr && browser->parentWidget() != owner) {
        browser->close();
        browser = nullptr;
    }
    if (browser == nullptr) {
        browser = new QTextBrowser(owner);
        viewer() = browser;
        browser->setWindowFlag(Qt::Window);
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->setWindowTitle(QStringLiteral("Kestrune Help"));
        browser->setOpenExternalLinks(true);
        const DialogUnits units(browser->font());
        browser->resize(units.x(280), units.y(200));
        if (owner != nullptr) {
            // Beside the window that asked, so the help and what it explains show together.
            browser->move(besideOf(*owner, browser->size()));
        }
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), browser);
        escape->setContext(Qt::WindowShortcut);
        QObject::connect(escape, &QShortcut::activated, browser, &QWidget::close);
        browser->setSource(QUrl(QStringLiteral("qrc:/help/kestrune.html")));
    }
    browser->show();
    browser->raise();
    browser->activateWindow();
    browser->scrollToAnchor(QStringLiteral("context-%1").arg(context));
}

void closeHelpViewer() {
    if (QTextBrowser* browser = viewer().data()) {
        browser->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

std::optional<std::filesystem::path> showFileDialog(const FileDialogRequest& request,
                                                    QWidget* parent) {
    QFileDialog dialog(parent != nullptr ? parent : activeOwner(),
                       request.open ? QStringLiteral("Open") : QStringLiteral("Save As"),
                       QFile::decodeName(QByteArray::fromStdString(request.startFolder.string())));
    // Qt's own dialog: it adds the default suffix before it asks about replacing a file, so the
    // question names the file that is written, and its open mode takes a new name. The desktop's
    // dialogs ask about the name as typed and open existing files only.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open && request.mustExist ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.defaultExt.empty()) {
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    }
    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    // A pattern such as "*.dta" is what the filter already shows; in the name box it would be
    // taken as the name of the file to write.
    if (request.fileName.find_first_of("*?") == std::string::npos && !request.fileName.empty()) {
        dialog.selectFile(QString::fromStdString(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(
        QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString());
}

int showMessageBox(const std::string& caption, const std::string& text, unsigned type) {
    QMessageBox box(type == MB_OK ? QMessageBox::Warning : QMessageBox::Question,
                    QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, activeOwner());
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
    box.exec();
    const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
    for (const Choice& choice : choices) {
        if (choice.button == clicked)
            return choice.result;
    }
    return type == MB_YESNO ? IDNO : IDCANCEL; // closed without a button: the safe answer
}

} // namespace kestrune::platform::detail
