// SPDX-License-Identifier: GPL-3.0-or-later
// The bar of the headless run: one row of 100 cells, 2 pixels each, filled
// black from the left up to the fill count.
#pragma once

#include <QWidget>

namespace vm {

class ProgressCells : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCells = 100;
    static constexpr int kCellWidth = 2;

    explicit ProgressCells(QWidget* parent = nullptr);

    // Cells 0..fill are black (fill + 1 of them); below 0 none is.
    void setFill(int fill);
    int fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int fill_ = -1;
};

}  // namespace vm
