// SPDX-License-Identifier: GPL-3.0-or-later
// The game's texts (UTF-8 std::string inside the program) as Qt strings, and
// the captions the screens set on a dark plate over their pictures.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

#include <string_view>

namespace vm {

inline QString qstr(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Names and comments come from files that travel between players, so a text
// the game shows is always shown as written, never read as markup.
//
// A label of the game: plain text, whatever its text looks like.
QLabel* textLabel(QWidget* parent, const QString& text = {});
// A tooltip's text that shows `text` as written (a tooltip that looks like
// markup would be read as markup).
QString tipText(const QString& text);
// A window title that shows `text` as written ("[*]" in a title otherwise
// marks where a modified window shows its star).
QString titleText(QString text);

// A caption in light text on a plate of `plate` (translucent dark brown by
// default), readable over a screen's picture.
QLabel* plateLabel(const QString& text, QRect geometry, QWidget* parent,
                   const QColor& plate = QColor(40, 24, 10, 170), bool bold = false);

}  // namespace vm
