// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qtext.h"

#include <QTextDocument>

namespace vm {

QLabel* textLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QString tipText(const QString& text) {
    // Qt reads a tooltip as markup when it looks like markup: only then is it written as markup of the text.
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

QString titleText(QString text) {
    return text.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

QLabel* plateLabel(const QString& text, QRect geometry, QWidget* parent, const QColor& plate, bool bold) {
    auto* label = textLabel(parent, text);
    label->setGeometry(geometry);
    label->setStyleSheet(
        QString("QLabel { color: #fffbf0; background: rgba(%1, %2, %3, %4); border-radius: 3px;"
                " padding: 0 4px;%5 }")
            .arg(plate.red())
            .arg(plate.green())
            .arg(plate.blue())
            .arg(plate.alpha())
            .arg(bold ? " font-weight: bold;" : ""));
    return label;
}

}  // namespace vm
