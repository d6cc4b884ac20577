// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen's layout and what it shows: the club panel, a club's
// roster and coaches, the division's table and fixtures.
#include "screens/tmain.h"
#include "screens/qtext.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QVBoxLayout>

#include "league/tleague.h"
#include "screens/backdrop.h"
#include "screens/clickablelabel.h"
#include "screens/gameendmenu.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/pictures.h"
#include "screens/progresscells.h"
#include "screens/settingsmenu.h"
#include "screens/stepfocus.h"
#include "season/clubedits.h"

namespace vm {
namespace {

constexpr QSize kBoard{660, 461};
constexpr int kEmblemStep = 22;
constexpr int kMemberHeight = 257;

QPixmap emblemPixmap(const Tteam& club, int side, qreal ratio) {
    return pixelArt(toImage(club.emblem), {side, side}, ratio);
}

}  // namespace

Tmain::Tmain(const Session& session)
    : QMainWindow(nullptr), session_(session), flow_(session.world), tables_(session.world) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
    auto* board = new Backdrop(loadSkin(session_.world, "main.jpg"), this);
    board->setFixedSize(kBoard);
    setCentralWidget(board);
    buildClubPanel(board);
    buildClubView(board);
    buildControls(board);
    buildMenus();
    setFixedSize(sizeHint());
    if (flow_.nextstep() == 1) Pnext->setText("ＮＥＸＴ");
}

void Tmain::buildClubPanel(QWidget* board) {
    plateLabel("Div1", {12, 16, 110, 20}, board);
    plateLabel("Div2", {12, 90, 110, 20}, board);
    for (int i = 0; i < 20; ++i) {
        const int division = i / 10, counter = i % 10;
        auto* image = new ClickableLabel(board);
        image->setObjectName(QString("img%1%2").arg(division + 1).arg(counter));
        image->setGeometry(12 + (counter % 5) * kEmblemStep, 40 + division * 74 + (counter / 5) * kEmblemStep,
                           16, 16);
        image->setScaledContents(true);
        connect(image, &ClickableLabel::clicked, this, [this, i] { img11Click(clubOfImage_[i]); });
        clubImages_[i] = image;
    }
}

void Tmain::buildClubView(QWidget* board) {
    lbselect = plateLabel("選択チーム", {12, 166, 90, 20}, board);
    lbselect->setObjectName("lbselect");
    imgselectteam = new ClickableLabel(board);
    imgselectteam->setObjectName("imgselectteam");
    imgselectteam->setGeometry(12, 190, 28, 28);
    imgselectteam->setToolTip("クリックでエンブレムを読み込みます");
    connect(imgselectteam, &ClickableLabel::clicked, this, &Tmain::imgselectteamClick);
    lbselectteam = new ClickableLabel(board);
    lbselectteam->setObjectName("lbselectteam");
    lbselectteam->setGeometry(46, 192, 188, 24);
    lbselectteam->setStyleSheet("QLabel { color: white; font-size: 16px; font-weight: bold; }");
    connect(lbselectteam, &ClickableLabel::clicked, this, &Tmain::lbselectteamClick);
    lbmoney = textLabel(board);
    lbmoney->setObjectName("lbmoney");
    lbmoney->setGeometry(12, 224, 222, 20);
    lbmoney->setStyleSheet("QLabel { color: #fff4c0; font-size: 14px; font-weight: bold; }");

    coachlist = new GridView(board);
    coachlist->setObjectName("coachlist");
    coachlist->setGeometry(12, 250, 192, 124);
    coachlist->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    coachlist->setCellPainter([this](CellPaint& c) { drawCoachCell(c); });

    menberlist = new GridView(board);
    menberlist->setObjectName("menberlist");
    menberlist->move(246, 16);
    menberlist->setContextMenuPolicy(Qt::CustomContextMenu);
    menberlist->setCellPainter([this](CellPaint& c) { drawMemberCell(c); });
    connect(menberlist, &GridView::headingPressed, this, &Tmain::menberlistHeadingPressed);
    connect(menberlist, &GridView::cellDoubleClicked, this,
            [this](int row, int) { menberlistDblClick(row); });
    connect(menberlist, &QWidget::customContextMenuRequested, this, &Tmain::menberlistContextMenu);

    popcoach = new QMenu(this);
    for (int slot = 1; slot <= 3; ++slot) {
        QAction* entry = popcoach->addAction(QString("コーチ%1").arg(QChar(0xFF10 + slot)));
        entry->setObjectName(QString("popcoach%1").arg(slot));
        connect(entry, &QAction::triggered, this, [this, slot] { popcoachClick(slot); });
    }
}

void Tmain::buildControls(QWidget* board) {
    bargrid = new ProgressCells(board);
    bargrid->setObjectName("bargrid");
    bargrid->move(246, 282);
    bargrid->hide();

    watchPanel = new QWidget(board);
    watchPanel->setGeometry(526, 364, 120, 46);
    watchPanel->setStyleSheet(
        "QWidget { background: #fffbf0; border-radius: 3px; } QRadioButton { padding-left: 4px; }");
    auto* options = new QVBoxLayout(watchPanel);
    options->setContentsMargins(2, 2, 2, 2);
    options->setSpacing(0);
    rbwatch = new QRadioButton("試合観戦", watchPanel);
    rbwatch->setObjectName("rbwatch");
    rbskip = new QRadioButton("試合を飛ばす", watchPanel);
    rbskip->setObjectName("rbskip");
    options->addWidget(rbwatch);
    options->addWidget(rbskip);
    rbwatch->setChecked(true);

    Pnews = new PanelButton("クラブ公式サイト", {12, 416}, board);
    Pnews->setObjectName("Pnews");
    Pnews->setFixedWidth(150);
    connect(Pnews, &PanelButton::clicked, this, &Tmain::PnewsClick);
    Ptact = new PanelButton("戦術", {246, 416}, board);
    Ptact->setObjectName("Ptact");
    connect(Ptact, &PanelButton::clicked, this, &Tmain::PtactClick);
    Pleague = new PanelButton("順位・日程", {346, 416}, board);
    Pleague->setObjectName("Pleague");
    connect(Pleague, &PanelButton::clicked, this, &Tmain::PleagueClick);
    Pnext = new PanelButton("移籍", {556, 416}, board);
    Pnext->setObjectName("Pnext");
    connect(Pnext, &PanelButton::clicked, this, &Tmain::PnextClick);

    // Enter moves the season on, as a click on "ＮＥＸＴ" does.
    Pnext->pressOnEnter(this);
    stepFocus_ = new StepFocus(this, Pnext);
}

void Tmain::buildMenus() {
    QAction* save = menuBar()->addAction("セーブ");
    save->setObjectName("menusave");
    connect(save, &QAction::triggered, this, &Tmain::menusaveClick);
    addGameEndMenu(menuBar(), this, &Tmain::tomenuClick, &Tmain::gamecloseClick);
    QAction* vs = menuBar()->addAction("vsdata書出");
    vs->setObjectName("vssave");
    connect(vs, &QAction::triggered, this, &Tmain::vssaveClick);
    QAction* replays = menuBar()->addAction("リプレイ");
    replays->setObjectName("replays");
    connect(replays, &QAction::triggered, this, &Tmain::replaysClick);
    addSettingsMenu(menuBar(), session_, [this] { return flow_.canleave(); });
    QAction* stats = menuBar()->addAction("データ");
    stats->setObjectName("stats");
    connect(stats, &QAction::triggered, this, &Tmain::statsClick);
    QAction* version = menuBar()->addAction("バージョン");
    version->setObjectName("version");
    connect(version, &QAction::triggered, this, &Tmain::versionClick);
}

void Tmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void Tmain::closeEvent(QCloseEvent* event) {
    // The headless run must finish: a half-played match day cannot be kept.
    if (!flow_.canleave()) {
        event->ignore();
        session_.prompts.message(kNotNowText);
        return;
    }
    QMainWindow::closeEvent(event);
}

void Tmain::FormShow() {
    World& world = session_.world;
    coachlist->clearChoice();
    setWindowTitle(QString("%1年目").arg(world.kanri.year));
    teamofdiv();
    stepFocus_->restore();
    if (world.leagues[0]) {
        PleagueClick();
        return;
    }
    flow_.reshown();
    Pnext->setText("移籍");
    watchPanel->hide();
    Pleague->hide();
    img11Click(clubOfImage_[(world.kanri.mydiv - 1) * 10]);
}

void Tmain::teamofdiv() {
    std::array<int, 2> counter{-1, -1};
    for (int club = 0; club < kClubCount; ++club) {
        const int d = session_.world.divof(club);
        const int image = (d - 1) * 10 + ++counter[d - 1];
        clubOfImage_[image] = club;
        clubImages_[image]->setPixmap(emblemPixmap(session_.world.team(club), 16, devicePixelRatioF()));
        clubImages_[image]->setToolTip(tipText(qstr(session_.world.team(club).name)));
    }
}

void Tmain::img11Click(int club) {
    World& world = session_.world;
    const Tteam& team = world.team(club);
    lbselectteam->show();
    imgselectteam->show();
    lbselect->show();
    tables_.showclub(club);

    const bool scrolls = tables_.upper().rowCount() > 12;
    menberlist->setGrid(tables_.upper());
    menberlist->setColumnWidths(20, {{0, 90}, {kMemberAt, 30}, {11, 30}});
    menberlist->resize(scrolls ? 400 : 390, kMemberHeight);
    coachlist->setGrid(tables_.lower());
    coachlist->setColumnWidths(20, {{0, 50}});
    coachlist->resize(192, 102);

    imgselectteam->setPixmap(emblemPixmap(team, 28, devicePixelRatioF()));
    lbselectteam->setText(qstr(team.name));
    lbselectteam->setCursor(betweenseasons(world) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    lbmoney->setText(club == 0 ? QString("所持金：%1").arg(team.money) : QString());
}

void Tmain::PleagueClick() {
    World& world = session_.world;
    if (!tables_.showdivision()) return;
    imgselectteam->hide();
    lbmoney->clear();

    coachlist->setGrid(tables_.lower());
    coachlist->setColumnWidths(20, {{1, 80}, {2, 20}, {3, 80}});
    coachlist->resize(222, 122);
    menberlist->setGrid(tables_.upper());
    menberlist->setColumnWidths(30, {{0, 80}});
    menberlist->resize(300, kMemberHeight);

    lbselectteam->setText(QString("%1節").arg(world.leagues[0]->round + 1));
    lbselectteam->setCursor(Qt::ArrowCursor);
    lbselect->hide();
}

void Tmain::menberlistHeadingPressed(int column) {
    tables_.sortupper(column);
    menberlist->table().edit([&](Grid& g) { g = tables_.upper(); });
}

void Tmain::drawMemberCell(CellPaint& cell) const {
    if (tables_.starter(cell.row)) starterMark(cell);
    conditionColour(cell, kMemberCondition);
    drawText(cell);
}

void Tmain::drawCoachCell(CellPaint& cell) const {
    if (tables_.teaches(cell.col, cell.row)) cell.pen = colours::best;
    drawText(cell);
}

}  // namespace vm
