#include "screens/messageboxprompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace vm {
namespace {

QString qstr(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QMessageBox::StandardButton ask(std::string_view text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    return QMessageBox::question(QApplication::activeWindow(), QApplication::applicationName(), qstr(text),
                                 buttons, defaultButton);
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

}  // namespace vm
