// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/panelbutton.h"

#include <QFontMetrics>
#include <QKeySequence>
#include <QShortcut>

namespace vm {

PanelButton::PanelButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFixedSize(90, 30);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(15);
    setFont(f);
    // A raised cream plate that sinks when pressed; greyed when its action is not open.
    setStyleSheet(
        "QPushButton { background: #fffbf0; color: black; border: 1px outset #d9d2bf; padding: 0; }"
        "QPushButton:hover { background: #fff4d6; }"
        "QPushButton:pressed { background: #efe6cc; border-style: inset; }"
        "QPushButton:disabled { background: #ece8dc; color: #9a968c; }"
        "QPushButton:focus { border-color: #8a7a4a; }");
}

PanelButton::PanelButton(const QString& caption, QPoint topLeft, QWidget* parent)
    : PanelButton(caption, parent) {
    move(topLeft);
}

void PanelButton::pressOnEnter(QWidget* window) {
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* press = new QShortcut(QKeySequence(key), window);
        connect(press, &QShortcut::activated, this, [this, window] {
            // The window's shortcut sees Enter before any button does, so the
            // button the player moved the focus to is pressed from here.
            auto* focused = qobject_cast<QPushButton*>(window->focusWidget());
            QPushButton* pressed = focused && focused->isVisible() ? focused : this;
            if (pressed->isVisible() && pressed->isEnabled()) pressed->click();
        });
    }
}

void PanelButton::paintEvent(QPaintEvent* event) {
    fitCaption();
    QPushButton::paintEvent(event);
}

void PanelButton::fitCaption() {
    constexpr int kBorders = 2;
    constexpr int kTightest = -3;
    QFont f = font();
    int spacing = 0;
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    while (spacing > kTightest && QFontMetrics(f).horizontalAdvance(text()) > width() - kBorders)
        f.setLetterSpacing(QFont::AbsoluteSpacing, --spacing);
    if (f != font()) setFont(f);
}

}  // namespace vm
