// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer screen's layout and what it shows: the money, the upper
// tables and their buttons, the lower table in its three roles, the step
// button and the menu.
#include "screens/ttradetop.h"

#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

#include "screens/backdrop.h"
#include "screens/gameendmenu.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/pictures.h"
#include "screens/qtext.h"
#include "screens/screenhost.h"
#include "screens/stepfocus.h"
#include "screens/tplayerdata.h"
#include "season/tradetables.h"
#include "transfers/ttrade.h"

namespace vm {
namespace {

constexpr QSize kBoard{660, 461};
constexpr int kLeft = 10;
constexpr QRect kUpperTable{kLeft, 62, 433, 122};
// The lower table: the candidates below the upper tables, the week's offers
// and transfers alone in the middle once the offers are decided.
constexpr int kCandidatesTop = 225;
constexpr int kCandidatesHeight = 192;
constexpr int kCandidatesWidth = 433;
constexpr int kCandidatesScrolling = 443;  // room for the scroll bar beyond nine rows
constexpr int kBookTop = 100;
constexpr int kBookHeight = 300;
// The book and the results show their first five columns; the owner and
// index columns behind them stay out of sight.
constexpr int kBookWidth = 322;
constexpr int kBookRows = 14;
const QColor kRaisedPrice{255, 0, 0};
const QColor kPlate{30, 40, 56, 190};  // the office's blue-grey plates

}  // namespace

Ttradetop::Ttradetop(const Session& session) : QMainWindow(nullptr), session_(session), flow_(session.world) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
    auto* board = new Backdrop(loadSkin(session_.world, "trade.jpg"), this);
    board->setFixedSize(kBoard);
    setCentralWidget(board);
    buildHead(board);
    buildTables(board);
    buildFilter(board);
    buildControls(board);
    buildMenus();
    setFixedSize(sizeHint());
    redraw();
}

void Ttradetop::buildHead(QWidget* board) {
    lbmoney = plateLabel(QString(), {kLeft, 6, 200, 22}, board, kPlate, true);
    lbmoney->setObjectName("lbmoney");
    lbmoney->setStyleSheet(lbmoney->styleSheet() + "QLabel { color: #fff4c0; font-size: 14px; }");
    lbrecom = plateLabel(QString(), {kLeft, 34, 150, 22}, board, kPlate, true);
    lbrecom->setObjectName("lbrecom");
    lballt = plateLabel(kCandidatesTitle, {kLeft, 200, 150, 22}, board, kPlate, true);
    lballt->setObjectName("lballt");

    const std::array<TradeTable, 3> tables{TradeTable::recommended, TradeTable::offers, TradeTable::own};
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const TradeTable t = tables[i];
        auto* button =
            new PanelButton(TransferWeekFlow::upperTitle(t), {170 + static_cast<int>(i) * 94, 28}, board);
        button->setObjectName(QString("Ptrade%1").arg(i + 1));
        connect(button, &PanelButton::clicked, this, [this, t] { Ptrade1Click(t); });
        upperButtons_[i] = button;
    }
}

void Ttradetop::buildTables(QWidget* board) {
    const std::array<const char*, 4> names{"grid1", "grid2", "grid3", "grid4"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto t = static_cast<TradeTable>(i);
        auto* table = new GridView(board);
        table->setObjectName(names[i]);
        table->setGeometry(kUpperTable);
        table->setCellPainter([this, t](CellPaint& c) { drawCell(t, c); });
        connect(table, &GridView::headingPressed, this, [this, t](int col) { headingPressed(t, col); });
        connect(table, &GridView::cellDoubleClicked, this,
                [this, t](int row, int) { tableDoubleClicked(t, row); });
        grids_[i] = table;
    }
    connect(view(TradeTable::offers), &GridView::cellPressed, this,
            [this](int row, int, Qt::MouseButton button) { grid3MouseDown(row, button); });
}

void Ttradetop::buildControls(QWidget* board) {
    Ptact = new PanelButton("戦術", {kLeft, 425}, board);
    Ptact->setObjectName("Ptact");
    connect(Ptact, &PanelButton::clicked, this, &Ttradetop::PtactClick);
    Pnext = new PanelButton(QString(), {556, 425}, board);
    Pnext->setObjectName("Pnext");
    connect(Pnext, &PanelButton::clicked, this, &Ttradetop::PnextClick);

    // Enter presses the step button, as a click does, when it may be pressed.
    Pnext->pressOnEnter(this);
    stepFocus_ = new StepFocus(this, Pnext, [host = &session_.host]() -> QWidget* {
        for (Tplayerdata* card : host->cards())
            if (card->awaitsAnswer()) return card;
        return nullptr;
    });
}

void Ttradetop::buildMenus() {
    addGameEndMenu(menuBar(), this, &Ttradetop::tomenuClick, &Ttradetop::gamecloseClick);
}

void Ttradetop::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void Ttradetop::FormActivate() {
    flow_.activate();
    redraw();
}

void Ttradetop::redraw() {
    setWindowTitle(qstr(flow_.windowCaption()));
    lbmoney->setText(qstr(flow_.moneyText()));
    Pnext->setText(qstr(flow_.caption()));
    Pnext->setVisible(!flow_.closed());
    Pnext->setEnabled(flow_.canStep());
    Ptact->setVisible(flow_.tacticsAvailable());

    const bool offering = flow_.filterVisible();
    filterPanel->setVisible(offering);
    lbrecom->setVisible(offering);
    lbrecom->setText(offering ? TransferWeekFlow::upperTitle(flow_.upper()) : "");
    const std::array<TradeTable, 3> upper{TradeTable::recommended, TradeTable::offers, TradeTable::own};
    for (std::size_t i = 0; i < upper.size(); ++i) {
        upperButtons_[i]->setVisible(offering && flow_.upper() != upper[i]);
        view(upper[i])->setVisible(offering && flow_.upper() == upper[i]);
    }
    for (std::size_t i = 0; i < grids_.size(); ++i) fill(static_cast<TradeTable>(i));
    placeLower();
    stepFocus_->settle();
}

void Ttradetop::fill(TradeTable t) {
    GridView* table = view(t);
    const Grid& g = flow_.table(t);
    if (sameCells(table->grid(), g)) return;
    table->setGrid(g);
    if (t == TradeTable::lower && flow_.lowerRole() != LowerRole::candidates)
        table->setColumnWidths(80, {{2, 50}, {3, 30}});
    else if (t == TradeTable::offers)  // the priority comes first
        table->setColumnWidths(20, {{1, 70}, {2, 70}, {kOfferAt, 25}, {kMarketValue + 1, 25}});
    else
        table->setColumnWidths(20, {{0, 70}, {1, 70}, {kMarketAt, 25}, {kMarketValue, 25}});
}

void Ttradetop::placeLower() {
    GridView* lower = view(TradeTable::lower);
    const LowerRole role = flow_.lowerRole();
    lballt->setVisible(role == LowerRole::candidates);
    lower->setVisible(role != LowerRole::none);
    if (role == LowerRole::candidates) {
        const int width = lower->grid().rowCount() > 9 ? kCandidatesScrolling : kCandidatesWidth;
        lower->setGeometry(kLeft, kCandidatesTop, width, kCandidatesHeight);
    } else {
        int width = kBookWidth;
        if (lower->grid().rowCount() - 1 > kBookRows)
            width += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        lower->setGeometry((kBoard.width() - width) / 2, kBookTop, width, kBookHeight);
    }
}

void Ttradetop::drawCell(TradeTable t, CellPaint& cell) const {
    const int condition = flow_.conditionOf(t, cell.row);
    if (condition > 0) cell.pen = cell.selected ? colours::inFormSelected : colours::inForm;
    if (condition < 0) cell.pen = cell.selected ? colours::offFormSelected : colours::offForm;
    if (t == TradeTable::lower && flow_.markedPrice(cell.col, cell.row)) cell.pen = kRaisedPrice;
    drawText(cell);
}

}  // namespace vm
