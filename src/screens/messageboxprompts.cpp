// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/messageboxprompts.h"

#include "screens/qtext.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace vm {
namespace {

// A box over the active window that shows `text` as written: a question or
// a message may quote a name from a file, which is never read as markup.
QMessageBox::StandardButton show(QMessageBox::Icon icon, std::string_view text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    QMessageBox box(icon, QApplication::applicationName(), qstr(text), buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton ask(std::string_view text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    return show(QMessageBox::Question, text, buttons, defaultButton);
}

// A file dialog of the game's own kind (the same on every desktop, and one a
// test can drive), starting in `folder` or the player's home.
std::optional<std::filesystem::path> chooseFile(QFileDialog::AcceptMode mode, std::string_view caption,
                                                const std::filesystem::path& folder, std::string_view filters,
                                                std::string_view extension) {
    const QString start = folder.empty() ? QDir::homePath() : QString::fromStdString(folder.string());
    QFileDialog dialog(QApplication::activeWindow(), qstr(caption), start, qstr(filters));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The caller asks before overwriting, in the game's own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!extension.empty()) dialog.setDefaultSuffix(qstr(extension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

}  // namespace

void MessageBoxPrompts::message(std::string_view text) {
    show(QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void MessageBoxPrompts::error(std::string_view text) {
    show(QMessageBox::Warning, text, QMessageBox::Ok);
}

// A box that does not hold the game: it stays over the active window until
// the player closes it, and goes with that window.
void MessageBoxPrompts::notice(std::string_view text) {
    auto* box = new QMessageBox(QMessageBox::Warning, QApplication::applicationName(), qstr(text),
                                QMessageBox::Ok, QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

bool MessageBoxPrompts::askYesNo(std::string_view text) {
    return ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxPrompts::askOkCancel(std::string_view text) {
    return ask(text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Ok;
}

std::optional<std::string> MessageBoxPrompts::input(std::string_view caption, std::string_view prompt,
                                                    std::string_view initial) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(qstr(caption));
    dialog.setLabelText(qstr(prompt));
    dialog.setTextValue(qstr(initial));
    for (QLabel* label : dialog.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

std::optional<std::filesystem::path> MessageBoxPrompts::openFile(std::string_view caption,
                                                                 const std::filesystem::path& folder,
                                                                 std::string_view filters) {
    return chooseFile(QFileDialog::AcceptOpen, caption, folder, filters, {});
}

std::optional<std::filesystem::path> MessageBoxPrompts::saveFile(std::string_view caption,
                                                                 const std::filesystem::path& folder,
                                                                 std::string_view filters,
                                                                 std::string_view extension) {
    return chooseFile(QFileDialog::AcceptSave, caption, folder, filters, extension);
}

}  // namespace vm
