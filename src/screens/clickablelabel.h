// SPDX-License-Identifier: GPL-3.0-or-later
// A label that answers a left click, for the parts of a screen that are
// pictures or texts but act when clicked (a club's emblem, its name).
#pragma once

#include <QLabel>

namespace vm {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace vm
