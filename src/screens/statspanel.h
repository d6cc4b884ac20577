// SPDX-License-Identifier: GPL-3.0-or-later
// The watched match's statistics panel: a translucent plate over the pitch
// with both sides' figures, drawn anew only when a figure shown changes. The
// pitch beneath repaints every frame and takes the panel with it, so the
// plate is kept as a picture and each frame only lays that picture down.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

namespace vm {

class StatsPanel : public QWidget {
    Q_OBJECT
public:
    explicit StatsPanel(QWidget* pitch);

    using Lines = std::vector<std::array<std::string, 3>>;
    // The figures to show; a repaint only when they differ from those shown.
    void setLines(const Lines& lines);
    const Lines& lines() const { return lines_; }
    // How often the plate was drawn anew (for the tests).
    int repaints() const { return repaints_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the figures onto the kept plate.
    void drawPlate();

    Lines lines_;
    QPixmap plate_;
    int repaints_ = 0;
};

}  // namespace vm
