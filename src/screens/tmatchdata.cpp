// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/tmatchdata.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>

#include "screens/celldrawing.h"
#include "screens/gridview.h"
#include "screens/qtext.h"

namespace vm {
namespace {

// The squads fill the height above the commentary: a heading and thirteen
// rows of 14 pixels; between them a column for the score.
constexpr int kSquadWidth = 337;
constexpr int kSquadHeight = 198;
constexpr int kSquadRow = 14;
constexpr int kSquadText = 10;
constexpr int kCentreLeft = kSquadWidth;
constexpr int kCentreWidth = Tmatchdata::kSize.width() - 2 * kSquadWidth;
// The names stand in the column's middle, clear of the home marker at its left.
constexpr int kHomeWidth = 42;
constexpr int kNameLeft = kCentreLeft + kHomeWidth + 8;
constexpr int kNameWidth = kCentreWidth - 2 * (kHomeWidth + 8);
constexpr std::array<int, 2> kNameTop{76, 118};

const QColor kMoneyGreen{0xC0, 0xDC, 0xC0};
const char* const kBoardStyle = "background: #143a1c; border-radius: 4px;";

QLabel* label(QWidget* parent, const char* name, QRect at, int pixels, const char* colour, bool bold,
              Qt::Alignment align = Qt::AlignCenter) {
    auto* l = textLabel(parent);
    l->setObjectName(name);
    l->setGeometry(at);
    QFont f = l->font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(align | Qt::AlignVCenter);
    l->setStyleSheet(QString("QLabel { color: %1; background: transparent; }").arg(colour));
    return l;
}

// A club name that fits its box, cut with an ellipsis when it does not.
void setName(QLabel* l, const std::string& name) {
    l->setText(l->fontMetrics().elidedText(qstr(name), Qt::ElideRight, l->width()));
    l->setToolTip(tipText(qstr(name)));
}

// The condition figure only colours the row and the roster index only
// identifies it: neither is shown.
void hideKeys(GridView* g) {
    g->setColumnHidden(sqCondition, true);
    g->setColumnHidden(sqIndex, true);
}

}  // namespace

Tmatchdata::Tmatchdata(const Scoreboard& board, int speed, QWidget* parent) : QWidget(parent) {
    setObjectName("Tmatchdata");
    setFixedSize(kSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kMoneyGreen);
    setPalette(pal);

    for (int side = 0; side < 2; ++side) {
        auto* g = new GridView(this);
        g->setObjectName(side == 0 ? "grid1" : "grid2");
        g->setGeometry(side == 0 ? 0 : kSize.width() - kSquadWidth, 0, kSquadWidth, kSquadHeight);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setCellBackground(colours::cream);
        g->setWholeRows(true);
        QFont f = g->font();
        f.setPixelSize(kSquadText);
        g->setFont(f);
        g->horizontalHeader()->setFont(f);
        g->horizontalHeader()->setFixedHeight(kSquadRow);
        g->verticalHeader()->setDefaultSectionSize(kSquadRow);
        g->setGrid(board.squads[side]);
        // Room for a foreign player's name at the cost of the narrowest columns.
        g->setColumnWidths(20, {{sqNumber, 14}, {sqName, 80}, {sqAT, 25}, {sqLeg, 16}});
        hideKeys(g);
        g->setCellPainter([this](CellPaint& c) { drawCell(c); });
        g->setFocusPolicy(Qt::ClickFocus);
        squads_[side] = g;
    }
    buildCentre(board);

    lbzikyo = label(this, "lbzikyo", {0, kSquadHeight, kSize.width(), kSize.height() - kSquadHeight}, 27,
                    "black", false);
    lbzikyo->setStyleSheet("QLabel { color: black; background: white; }");

    Scspeed->setValue(speed);
    lbspeed->setText(QString("試合速度 %1").arg(speed));
    showFigures(board);
}

void Tmatchdata::buildCentre(const Scoreboard& board) {
    auto* centre = new QWidget(this);
    centre->setObjectName("scoreboard");
    centre->setGeometry(kCentreLeft + 3, 3, kCentreWidth - 6, kSquadHeight - 6);
    centre->setAttribute(Qt::WA_StyledBackground);
    centre->setStyleSheet(QString("QWidget#scoreboard { %1 }").arg(kBoardStyle));

    lbtime = label(this, "lbtime", {kCentreLeft, 6, kCentreWidth, 26}, 22, "white", true);
    lbg0 = label(this, "lbg0", {kCentreLeft, 32, 86, 40}, 34, "white", true, Qt::AlignRight);
    label(this, "lbminus", {kCentreLeft + 86, 32, 46, 40}, 30, "white", true)->setText("－");
    lbg1 = label(this, "lbg1", {kCentreLeft + 132, 32, 86, 40}, 34, "yellow", true, Qt::AlignLeft);
    lbtn0 = label(this, "lbtn0", {kNameLeft, kNameTop[0], kNameWidth, 20}, 14, "white", true);
    lbvs = label(this, "lbvs", {kCentreLeft, 98, kCentreWidth, 18}, 13, "#c0dcc0", true);
    lbvs->setText("VS");
    lbtn1 = label(this, "lbtn1", {kNameLeft, kNameTop[1], kNameWidth, 20}, 14, "yellow", true);
    setName(lbtn0, board.names[0]);
    setName(lbtn1, board.names[1]);

    // Beside the home side's name; nobody is at home from match day 18 on.
    lbhome = label(this, "lbhome", {kCentreLeft + 6, 0, kHomeWidth, 20}, 13, "red", true);
    lbhome->setText("HOME");
    lbhome->setStyleSheet("QLabel { color: red; background: white; border-radius: 2px; }");
    lbhome->setVisible(board.home != HomeMarker::hidden);
    lbhome->move(lbhome->x(), kNameTop[board.home == HomeMarker::side1 ? 1 : 0]);

    lbspeed = label(this, "lbspeed", {kCentreLeft, 144, kCentreWidth, 16}, 11, "#c0dcc0", false);
    Scspeed = new QScrollBar(Qt::Horizontal, this);
    Scspeed->setObjectName("Scspeed");
    Scspeed->setGeometry(kCentreLeft + 12, 161, kCentreWidth - 24, 15);
    Scspeed->setRange(kMinSpeed, kMaxSpeed);
    Scspeed->setPageStep(1);
    Scspeed->setToolTip("＋／－ キーでも変えられます");
    connect(Scspeed, &QScrollBar::valueChanged, this,
            [this](int speed) { lbspeed->setText(QString("試合速度 %1").arg(speed)); });
    lbpause = label(this, "lbpause", {kCentreLeft, 177, kCentreWidth, 16}, 11, "yellow", true);
    lbpause->setText("一時停止中（スペースで再開）");
    lbpause->hide();
}

void Tmatchdata::showFigures(const Scoreboard& board) {
    lbtime->setText(qstr(board.clock));
    lbg0->setText(QString::number(board.goals[0]));
    lbg1->setText(QString::number(board.goals[1]));
    lbzikyo->setText(qstr(board.commentary));
}

void Tmatchdata::showSquad(int side, const Scoreboard& board) {
    squads_.at(side)->setGrid(board.squads[side]);
    hideKeys(squads_[side]);
}

void Tmatchdata::showPaused(bool paused) {
    lbpause->setVisible(paused);
}

void Tmatchdata::drawCell(CellPaint& cell) const {
    conditionColour(cell, sqCondition);
    // The rows are only 14 pixels high: the text starts at the cell's top
    // rather than 2 pixels below it, so that it is not cut at the bottom.
    CellPaint raised{
        cell.painter, cell.rect.adjusted(0, -2, 0, 0), cell.grid, cell.row, cell.col, cell.selected,
        cell.pen};
    drawText(raised);
}

}  // namespace vm
