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

// A caption in light text on a plate of `plate` (translucent dark brown by
// default), readable over a screen's picture.
QLabel* plateLabel(const QString& text, QRect geometry, QWidget* parent,
                   const QColor& plate = QColor(40, 24, 10, 170), bool bold = false);

}  // namespace vm
