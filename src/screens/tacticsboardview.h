// SPDX-License-Identifier: GPL-3.0-or-later
// Club 0's tactics board on screen: the pitch picture with the thirteen
// numbered markers, their name labels and the preview ball, drawn from a
// TacticsBoard it owns. The tactics screen shows the whole 660 x 480 pitch
// with its member list and buttons over the right half; a watched match
// shows only the left 320 pixels beside the match view.
#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>

#include "season/tacticsboard.h"

class QLabel;

namespace vm {

class TacticsBoardView : public QWidget {
    Q_OBJECT
public:
    enum class Mode {
        editing,  // a right click gives the chosen member-list row a place
        inMatch   // a right click swaps two starters or brings on a substitute
    };
    static constexpr QSize kPitch{660, 480};
    static constexpr int kMatchWidth = 320;

    // Club 0's board as it stands now. Throws DataError when the pitch or the
    // ball picture cannot be read.
    TacticsBoardView(World& world, Mode mode, QWidget* parent = nullptr);

    TacticsBoard& board() { return board_; }
    const TacticsBoard& board() const { return board_; }
    Mode mode() const { return mode_; }

    // Which row of the owner's list of club 0's players is chosen (-1 for
    // none): the member list while editing; in a match, the match view's
    // list (rows 1..11 the men on the pitch, 12 and 13 the bench).
    void setChosenRow(std::function<int()> row) { chosenRow_ = std::move(row); }

    // Markers, name labels and the ball drawn anew from the board.
    void refresh();

signals:
    // A right click on a marker changed the places (editing) or the men on
    // the pitch (in a match).
    void lineupChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The marker number 1..13 under `at`, 0 for none.
    int markerAt(QPoint at) const;
    void placeMarker(int n);
    void markerRightPressed(int n);

    TacticsBoard board_;
    Mode mode_;
    QImage pitch_;
    std::function<int()> chosenRow_;
    std::array<QLabel*, TacticsBoard::kMarkers> markers_{};  // Label01..Label13
    std::array<QLabel*, TacticsBoard::kMarkers> names_{};    // Label01n..Label13n
    QLabel* ball_;
    int dragged_ = 0;  // the marker the left button holds, 0 for none
};

}  // namespace vm
