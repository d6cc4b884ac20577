// SPDX-License-Identifier: GPL-3.0-or-later
// The save screen's layout and what it shows: the file list with the chosen
// name and the panels, and in a versus match the two clubs beside the list.
// What its clicks do is in tsave_actions.cpp.
#include "screens/tsave.h"
#include "screens/qtext.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>

#include "screens/backdrop.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/pictures.h"
#include "screens/placement.h"

namespace vm {
namespace {

constexpr QSize kWindow{700, 520};
constexpr int kRowHeight = 20;
// Room beside a table's columns for its frame and a scroll bar.
constexpr int kTableFrame = 2 + 16;

// The file list of saving, loading and exporting: 15 rows under the heading.
constexpr int kListTop = 60;
constexpr int kListRows = 15;
constexpr int kNameWidth = 100;
constexpr int kTimeWidth = 150;
constexpr int kChosenTop = 392;
constexpr int kPanelTop = 436;

// A versus match: the list between the two clubs, the clubs' rosters below.
constexpr int kVersusListTop = 20;
constexpr int kVersusListRows = 9;
constexpr int kMarkWidth = 35;
constexpr int kVersusNameWidth = 150;
constexpr int kVersusPanelTop = 232;
constexpr int kShownEmblem = 8 * kEmblemSide;  // each of the emblem's pixels 8 x 8
constexpr int kSideMargin = 20;
constexpr int kSideWidth = 205;
constexpr int kMemoTop = 128;
constexpr int kMemoHeight = 130;
constexpr QSize kRosterSize{305, 223};
constexpr int kRosterTop = 270;
constexpr int kAttributeWidth = 19;
constexpr int kStarters = 11;

bool sameCells(const Grid& a, const Grid& b) {
    if (a.colCount() != b.colCount() || a.rowCount() != b.rowCount()) return false;
    for (int r = 0; r < a.rowCount(); ++r)
        if (a.rows()[r].cells != b.rows()[r].cells) return false;
    return true;
}

// Shows `g` unless the view shows it already, so that a redraw keeps the
// view's choice and scroll position.
void showGrid(GridView* view, const Grid& g) {
    if (!sameCells(view->grid(), g)) view->setGrid(g);
}

// A versus side's roster: the starting eleven crossed in red, each player in
// the colour of his condition.
void drawRosterCell(CellPaint& cell) {
    if (cell.row >= 1 && cell.row <= kStarters) starterMark(cell);
    conditionColour(cell, kSideConditionCol);
    drawText(cell);
}

}  // namespace

Tsave::Tsave(const Session& session, SaveMode savemode, QWidget* opener)
    : QWidget(opener, Qt::Window | Qt::FramelessWindowHint),
      session_(session),
      screen_(session.world, session.prompts, savemode) {
    setWindowTitle(QCoreApplication::applicationName());
    // The screen beneath must not move on (no "ＮＥＸＴ", no new game) while a file is chosen.
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(kWindow);
    board_ = new Backdrop(loadSkin(session_.world, "save.jpg"), this);
    board_->setGeometry(rect());
    buildList();
    buildSides();
    buildPanels();
    showList();
    for (int s = 0; s < 2; ++s) showSide(s);
    grid->setFocus();

    placeOver(this, opener);
}

void Tsave::buildList() {
    grid = new GridView(board_);
    grid->setObjectName("grid");
    grid->setGrid(screen_.grid());
    grid->setHasHeading(true);
    grid->setShowGrid(false);
    int width = 0;
    int rows = kListRows;
    int top = kListTop;
    switch (screen_.mode()) {
        case SaveMode::save:
        case SaveMode::load:
            width = kNameWidth + kTimeWidth;
            grid->setColumnWidths(kTimeWidth, {{0, kNameWidth}});
            grid->horizontalHeader()->setStretchLastSection(true);
            break;
        case SaveMode::vsexport:
            width = kNameWidth + kTimeWidth;
            grid->setColumnWidths(width);
            grid->horizontalHeader()->setStretchLastSection(true);
            break;
        case SaveMode::versus:
            width = 2 * kMarkWidth + kVersusNameWidth;
            rows = kVersusListRows;
            top = kVersusListTop;
            grid->setColumnWidths(kVersusNameWidth, {{0, kMarkWidth}, {2, kMarkWidth}});
            grid->setShowGrid(true);
            grid->setWholeRows(false);
            break;
    }
    width += kTableFrame;
    grid->setGeometry((kWindow.width() - width) / 2, top, width, (rows + 1) * kRowHeight + 2);
    connect(grid, &GridView::cellPressed, this, &Tsave::gridMouseDown);
    connect(grid, &GridView::cellDoubleClicked, this, [this](int row, int) { gridDblClick(row); });
    // A row reached by the arrow keys is the chosen file as a pressed one is;
    // a versus side is chosen with Space on its cell.
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &Tsave::gridCursorMoved);
    grid->installEventFilter(this);

    lbsave = new QLabel(board_);
    lbsave->setObjectName("lbsave");
    lbsave->setGeometry(grid->x(), kChosenTop, grid->width(), 26);
    lbsave->setAlignment(Qt::AlignCenter);
    lbsave->setStyleSheet(
        "QLabel { color: #fffbf0; background: rgba(40, 24, 10, 170); border-radius: 3px;"
        " font-size: 15px; font-weight: bold; padding: 0 6px; }");
    lbsave->setVisible(screen_.chosenNameShown());
}

void Tsave::buildSides() {
    for (int s = 0; s < 2; ++s) {
        const bool left = s == 0;
        const int sideLeft = left ? kSideMargin : kWindow.width() - kSideMargin - kSideWidth;

        QLabel* image = new QLabel(board_);
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

void Tsave::buildPanels() {
    P0 = new PanelButton(qstr(screen_.confirmCaption()), board_);
    P0->setObjectName("P0");
    Pnewfile = new PanelButton("新規保存", board_);
    Pnewfile->setObjectName("Pnewfile");
    Pcancel = new PanelButton("Cancel", board_);
    Pcancel->setObjectName("Pcancel");
    connect(P0, &PanelButton::clicked, this, &Tsave::P0Click);
    connect(Pnewfile, &PanelButton::clicked, this, &Tsave::PnewfileClick);
    connect(Pcancel, &PanelButton::clicked, this, &QWidget::close);

    // The panels the task offers, side by side and centred under the list.
    Pnewfile->setVisible(screen_.newFileShown());
    QList<PanelButton*> shown{P0, Pcancel};
    if (screen_.newFileShown()) shown.prepend(Pnewfile);
    constexpr int kGap = 24;
    const int width = static_cast<int>(shown.size()) * (P0->width() + kGap) - kGap;
    const int top = screen_.mode() == SaveMode::versus ? kVersusPanelTop : kPanelTop;
    int x = (kWindow.width() - width) / 2;
    for (PanelButton* panel : shown) {
        panel->move(x, top);
        x += panel->width() + kGap;
    }
}

void Tsave::showList() {
    showGrid(grid, screen_.grid());
    if (screen_.mode() != SaveMode::versus) {
        const int row = screen_.selectedRow();
        if (row == 0)
            grid->clearChoice();
        else if (grid->currentGridRow() != row)
            grid->selectGridRow(row);
    }
    lbsave->setText(qstr(screen_.chosenName()));
}

void Tsave::showSide(int s) {
    const VersusSide& side = screen_.side(s);
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

}  // namespace vm
