// SPDX-License-Identifier: GPL-3.0-or-later
// The versus picker's layout, what it shows and what its clicks do: the list
// between the two clubs, each club's emblem, name and comment and roster.
#include "screens/tversus.h"
#include "screens/qtext.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/pictures.h"
#include "screens/placement.h"

namespace vm {
namespace {

// The list between the two clubs, the clubs' rosters below.
constexpr int kListTop = 20;
constexpr int kListRows = 9;
constexpr int kMarkWidth = 35;
constexpr int kNameWidth = 150;
constexpr int kPanelTop = 232;
constexpr int kShownEmblem = 8 * kEmblemSide;  // each of the emblem's pixels 8 x 8
constexpr int kSideMargin = 20;
constexpr int kSideWidth = 205;
constexpr int kMemoTop = 128;
constexpr int kMemoHeight = 130;
constexpr QSize kRosterSize{305, 223};
constexpr int kRosterTop = 270;
constexpr int kAttributeWidth = 19;
constexpr int kStarters = 11;

// A versus side's roster: the starting eleven crossed in red, each player in
// the colour of his condition.
void drawRosterCell(CellPaint& cell) {
    if (cell.row >= 1 && cell.row <= kStarters) starterMark(cell);
    conditionColour(cell, kSideConditionCol);
    drawText(cell);
}

}  // namespace

Tversus::Tversus(const Session& session, QWidget* opener)
    : FileWindow(session, opener), picker_(session.world, session.prompts) {
    buildList();
    buildSides();
    buildPanels();
    for (int s = 0; s < 2; ++s) showSide(s);
    grid->setFocus();

    placeOver(this, opener);
}

void Tversus::buildList() {
    grid = makeList(picker_.grid());
    grid->setColumnWidths(kNameWidth, {{0, kMarkWidth}, {2, kMarkWidth}});
    grid->setShowGrid(true);
    grid->setWholeRows(false);
    const int width = 2 * kMarkWidth + kNameWidth + kTableFrame;
    grid->setGeometry((kWindow.width() - width) / 2, kListTop, width, (kListRows + 1) * kRowHeight + 2);
    connect(grid, &GridView::cellPressed, this, &Tversus::gridMouseDown);
    // A versus side is chosen with Space on its cell.
    grid->installEventFilter(this);
}

void Tversus::buildSides() {
    for (int s = 0; s < 2; ++s) {
        const bool left = s == 0;
        const int sideLeft = left ? kSideMargin : kWindow.width() - kSideMargin - kSideWidth;

        QLabel* image = textLabel(board_);
        image->setObjectName(QString("img%1").arg(s));
        image->setGeometry(left ? kSideMargin : kWindow.width() - kSideMargin - kShownEmblem, 24,
                           kShownEmblem, kShownEmblem);
        img_[s] = image;

        auto* memo = new QPlainTextEdit(board_);
        memo->setObjectName(left ? "memo0" : "Memo1");
        memo->setGeometry(sideLeft, kMemoTop, kSideWidth, kMemoHeight);
        memo->setReadOnly(true);
        memo->setFocusPolicy(Qt::NoFocus);
        memo->setStyleSheet(
            "QPlainTextEdit { background: #fffbf0; color: black; border: 1px solid #7a7a7a;"
            " font-size: 13px; }");
        memo_[s] = memo;

        auto* roster = new GridView(board_);
        roster->setObjectName(QString("grid%1").arg(s));
        roster->setGrid(Grid(kSideColumns, 1));
        roster->setColumnWidths(kAttributeWidth, {{0, 85}, {2, 25}});
        roster->setGeometry(left ? kSideMargin : kWindow.width() - kSideMargin - kRosterSize.width(),
                            kRosterTop, kRosterSize.width(), kRosterSize.height());
        roster->setCellPainter(drawRosterCell);
        sideGrid_[s] = roster;
    }
}

void Tversus::buildPanels() {
    P0 = new PanelButton(kPlayVersusText, board_);
    P0->setObjectName("P0");
    Pcancel = new PanelButton("Cancel", board_);
    Pcancel->setObjectName("Pcancel");
    connect(P0, &PanelButton::clicked, this, &Tversus::P0Click);
    connect(Pcancel, &PanelButton::clicked, this, &QWidget::close);
    placePanels({P0, Pcancel}, P0, kPanelTop);
}

void Tversus::showSide(int s) {
    const VersusSide& side = picker_.side(s);
    img_[s]->setVisible(side.chosen);
    memo_[s]->setVisible(side.chosen);
    sideGrid_[s]->setVisible(side.chosen);
    if (!side.chosen) return;
    img_[s]->setPixmap(pixelArt(toImage(side.emblem), {kShownEmblem, kShownEmblem}, devicePixelRatioF()));
    memo_[s]->setPlainText(qstr(side.name) + "\n" + qstr(side.comment));
    GridView* roster = sideGrid_[s];
    if (sameCells(roster->grid(), side.roster)) return;
    roster->setGrid(side.roster);
    // The figures of the player's condition and his place in the roster do
    // not fit beside his attributes: the condition shows as his row's colour,
    // the place as the order of the rows.
    roster->setColumnHidden(kSideConditionCol, true);
    roster->setColumnHidden(kSideConditionCol + 1, true);
}

void Tversus::gridMouseDown(int row, int col, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    picker_.press(col, row);
    showGrid(grid, picker_.grid());
    for (int s = 0; s < 2; ++s) showSide(s);
}

void Tversus::P0Click() {
    const std::optional<VersusMatch> match = picker_.confirm();
    if (!match) {
        showGrid(grid, picker_.grid());
        return;
    }
    QWidget* opener = parentWidget();
    emit versusReady(*match);
    if (opener) opener->close();
    close();
}

bool Tversus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && grid->currentColumn() >= 0) {
        gridMouseDown(grid->table().gridRow(grid->currentIndex().row()), grid->currentColumn(),
                      Qt::LeftButton);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vm
