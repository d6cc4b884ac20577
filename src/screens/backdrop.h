// SPDX-License-Identifier: GPL-3.0-or-later
// A screen's background: a picture stretched over the whole widget.
#pragma once

#include <QImage>
#include <QWidget>

namespace vm {

class Backdrop : public QWidget {
    Q_OBJECT
public:
    explicit Backdrop(QImage picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace vm
