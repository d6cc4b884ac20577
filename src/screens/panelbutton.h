// SPDX-License-Identifier: GPL-3.0-or-later
// The game's clickable panel: a 90 x 30 cream plate with a bold 15-pixel
// caption and a hand cursor. It emits clicked() like any button.
#pragma once

#include <QPushButton>

namespace vm {

class PanelButton : public QPushButton {
    Q_OBJECT
public:
    explicit PanelButton(const QString& caption, QWidget* parent = nullptr);
    // The same, placed with its top-left corner at `topLeft` of the parent.
    PanelButton(const QString& caption, QPoint topLeft, QWidget* parent);

    // Enter (either key) in `window` presses this panel, as a click does,
    // whenever it is shown and may be pressed; on another button that has
    // the focus it presses that button instead.
    void pressOnEnter(QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Closes the letters up a little when the caption is wider than the plate
    // (six bold 15-pixel kana fill all 90 pixels), so that none is cut off.
    void fitCaption();
};

}  // namespace vm
