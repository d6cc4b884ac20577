// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/tacticsboardview.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "screens/pictures.h"
#include "screens/qtext.h"

namespace vm {
namespace {

constexpr int kMarkerSide = 12;
constexpr int kBallSide = 8;
const char* const kStarterMarker = "QLabel { background: #008080; color: white; font-size: 9px; }";
const char* const kBenchMarker = "QLabel { background: #0000ff; color: white; font-size: 9px; }";
const char* const kNameLabel =
    "QLabel { color: white; font-size: 10px; background: rgba(0, 40, 0, 110); padding: 0 1px; }";

QPoint qpoint(Point p) {
    return {p.x, p.y};
}

}  // namespace

TacticsBoardView::TacticsBoardView(World& world, Mode mode, QWidget* parent)
    : QWidget(parent), board_(world), mode_(mode), pitch_(loadSkin(world, "pitch.jpg")) {
    setObjectName("pitch");
    setFixedSize(mode == Mode::inMatch ? QSize(kMatchWidth, kPitch.height()) : kPitch);

    // Name labels first, so that every marker lies above every name.
    for (int n = 1; n <= TacticsBoard::kMarkers; ++n) {
        QLabel* name = textLabel(this);
        name->setObjectName(QString("Label%1n").arg(n, 2, 10, QChar('0')));
        name->setStyleSheet(kNameLabel);
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
        names_[n - 1] = name;
    }
    for (int n = 1; n <= TacticsBoard::kMarkers; ++n) {
        QLabel* marker = textLabel(this);
        marker->setObjectName(QString("Label%1").arg(n, 2, 10, QChar('0')));
        marker->setFixedSize(kMarkerSide, kMarkerSide);
        marker->setAlignment(Qt::AlignCenter);
        marker->setStyleSheet(TacticsBoard::benchMarker(n) ? kBenchMarker : kStarterMarker);
        if (TacticsBoard::draggable(n)) marker->setCursor(Qt::SizeAllCursor);
        markers_[n - 1] = marker;
    }
    ball_ = textLabel(this);
    ball_->setObjectName("imgball");
    ball_->setFixedSize(kBallSide, kBallSide);
    ball_->setPixmap(QPixmap::fromImage(loadSkin(world, "ball.png")));
    ball_->setAttribute(Qt::WA_TransparentForMouseEvents);
    refresh();
}

void TacticsBoardView::refresh() {
    for (int n = 1; n <= TacticsBoard::kMarkers; ++n) placeMarker(n);
    ball_->move(qpoint(board_.ball()));
    ball_->setVisible(board_.previewing());
    ball_->raise();
}

void TacticsBoardView::placeMarker(int n) {
    const TacticsMarker& m = board_.marker(n);
    QLabel* marker = markers_[n - 1];
    QLabel* name = names_[n - 1];
    marker->setText(qstr(m.caption));
    marker->move(qpoint(m.corner));
    marker->setVisible(m.visible);
    name->setText(qstr(m.label));
    name->adjustSize();
    // The two bench markers stand 16 pixels apart, too close for a name
    // under each: their names stand beside them instead.
    const Point at =
        TacticsBoard::benchMarker(n) ? Point{m.corner.x + kMarkerSide + 3, m.corner.y - 1} : m.labelCorner();
    name->move(qpoint(at));
    name->setVisible(m.visible && !m.label.empty());
}

void TacticsBoardView::paintEvent(QPaintEvent*) {
    // The picture always covers the whole board; a match shows its left part.
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), kPitch), pitch_);
}

int TacticsBoardView::markerAt(QPoint at) const {
    // The marker drawn on top wins where two overlap; names and the ball
    // let the mouse through.
    const QWidget* hit = childAt(at);
    for (int n = 1; n <= TacticsBoard::kMarkers; ++n)
        if (hit != nullptr && markers_[n - 1] == hit) return n;
    return 0;
}

void TacticsBoardView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // While the preview runs the pitch steers the ball.
    if (board_.previewing()) {
        if (event->button() == Qt::LeftButton) board_.aimBall({at.x(), at.y()});
        if (event->button() == Qt::RightButton) board_.stopBall();
        return;
    }
    const int n = markerAt(at);
    if (n == 0) return;
    if (event->button() == Qt::RightButton) markerRightPressed(n);
    if (event->button() == Qt::LeftButton && TacticsBoard::draggable(n)) {
        dragged_ = n;
        markers_[n - 1]->raise();
    }
}

void TacticsBoardView::mouseMoveEvent(QMouseEvent* event) {
    if (dragged_ == 0 || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    if (board_.drag(dragged_, {at.x(), at.y()})) placeMarker(dragged_);
}

void TacticsBoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragged_ = 0;
}

void TacticsBoardView::markerRightPressed(int n) {
    const int row = chosenRow_ ? chosenRow_() : -1;
    const bool changed = mode_ == Mode::editing
                             ? board_.menberselect(n, row)
                             : board_.matchposchange(n, row) || board_.matchmenberchange(n, row);
    if (!changed) return;
    refresh();
    emit lineupChanged();
}

}  // namespace vm
