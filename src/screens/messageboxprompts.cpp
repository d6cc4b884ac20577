// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/messageboxprompts.h"

#include "screens/qtext.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace vm {
namespace {

QMessageBox::StandardButton ask(std::string_view text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    return QMessageBox::question(QApplication::activeWindow(), QApplication::applicationName(), qstr(text),
                                 buttons, defaultButton);
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
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), qstr(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void MessageBoxPrompts::error(std::string_view text) {
    QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), qstr(text));
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
    bool ok = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), qstr(caption), qstr(prompt),
                                                 QLineEdit::Normal, qstr(initial), &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
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
