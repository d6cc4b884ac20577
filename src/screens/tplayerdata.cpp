// SPDX-License-Identifier: GPL-3.0-or-later
// The player card's window: its layout, what it shows, its buttons and the
// renaming click.
#include "screens/tplayerdata.h"
#include "screens/qtext.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>

#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/pictures.h"
#include "screens/screenhost.h"
#include "screens/tstats.h"
#include "season/playerrename.h"
#include "season/statsmodel.h"
#include "transfers/ttrade.h"

namespace vm {
namespace {

constexpr int kBarCells = 89;
constexpr int kAttributeCols = 2 + kBarCells;
constexpr int kBlueStripTop = 12;
constexpr int kCareerRight =
    670;  // where the career table ends  // last season's strip starts this far below the cell's top
const QColor kBarRed{255, 0, 0};
const QColor kBarBlue{0, 0, 255};
const QColor kFootGrey{128, 128, 128};
const QColor kFootRed{255, 0, 0};

// A table that only shows: clicks pass through to the card.
GridView* showingTable(const char* name, QRect geometry, QWidget* parent) {
    auto* view = new GridView(parent);
    view->setObjectName(name);
    view->setGeometry(geometry);
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->setFocusPolicy(Qt::NoFocus);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

}  // namespace

Tplayerdata::Tplayerdata(const Session& session, int owner, int index)
    : QWidget(nullptr), session_(session), card_(vm::pload(session.world, owner, index)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(kSize);
    emblem = textLabel(this);
    emblem->setObjectName("emblem");
    emblem->setGeometry(50, 150, 100, 100);
    buildTables();
    buildButtons();
    pload();
}

void Tplayerdata::buildTables() {
    grid = showingTable("grid", {398, 69, 270, 142}, this);
    grid->setHasHeading(false);
    grid->setShowGrid(false);
    grid->setFixedColumns(1);
    grid->setCellPainter([this](CellPaint& c) { drawBarCell(c); });

    grid2 = showingTable("grid2", {200, 69, 177, 182}, this);
    grid2->setHasHeading(false);
    grid2->setFixedColumns(1);

    // A long career scrolls, by the wheel or the scroll bar, so this table
    // takes the mouse; it has nothing to choose.
    grid3 = showingTable("grid3", {398, 228, 272, 202}, this);
    grid3->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    grid3->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(30, 290, 340, 84);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setStyleSheet("QPlainTextEdit { background: #fffbf0; color: black; font-size: 14px; }");
    Memo1->hide();
}

void Tplayerdata::buildButtons() {
    Pclose = new PanelButton("閉じる", {570, 460}, this);
    Pclose->setObjectName("Pclose");
    connect(Pclose, &PanelButton::clicked, this, &Tplayerdata::PcloseClick);
    Pchart = new PanelButton("能力推移", {30, 460}, this);
    Pchart->setObjectName("Pchart");
    Pchart->setFixedWidth(120);
    connect(Pchart, &PanelButton::clicked, this, &Tplayerdata::PchartClick);
    Poffer = new PanelButton(kMakeOfferText, {440, 460}, this);
    Poffer->setObjectName("Poffer");
    Poffer->setFixedWidth(120);
    Poffer->hide();
    connect(Poffer, &PanelButton::clicked, this, &Tplayerdata::PofferClick);
    ptradey = new PanelButton(kAcceptText, {470, 460}, this);
    ptradey->setObjectName("ptradey");
    ptradey->hide();
    connect(ptradey, &PanelButton::clicked, this, &Tplayerdata::ptradeyClick);
    ptraden = new PanelButton(kRefuseText, {570, 460}, this);
    ptraden->setObjectName("ptraden");
    ptraden->hide();
    connect(ptraden, &PanelButton::clicked, this, &Tplayerdata::ptradenClick);
}

void Tplayerdata::pload() {
    setWindowTitle(titleText(qstr(card_.identity[kCardName])));
    // Only a player of the user's club has his seasons kept.
    Pchart->setVisible(card_.player && card_.player->club == 0 &&
                       trackedrecord(session_.world, *card_.player));
    showEmblem();

    Grid attributes(kAttributeCols, static_cast<int>(kAttributeNames.size()));
    for (int a = 0; a < attributes.rowCount(); ++a) {
        const auto i = static_cast<std::size_t>(a);
        attributes.cell(0, a) = kAttributeNames[i];
        attributes.cell(1, a) = std::to_string(card_.ability[i]);
        attributes.cell(2, a) = std::to_string(card_.last[i]);  // not drawn as text: the blue strip
    }
    grid->setGrid(std::move(attributes));
    grid->setColumnWidths(2, {{0, 70}, {1, 20}});

    Grid identity(3, static_cast<int>(kIdentityNames.size()));
    for (int r = 0; r < identity.rowCount(); ++r) {
        identity.cell(0, r) = kIdentityNames[static_cast<std::size_t>(r)];
        identity.cell(1, r) = card_.identity[static_cast<std::size_t>(r)];
    }
    // The offer key beyond the visible width, as the transfer tables keep it.
    identity.cell(2, kCardName) = card_.key.substr(0, 2);
    identity.cell(2, kCardAge) = card_.key.substr(3);
    grid2->setGrid(std::move(identity));
    grid2->setColumnWidths(120, {{0, 55}, {2, 40}});

    grid3->setGrid(card_.career);
    grid3->setColumnWidths(30, {{0, 32}, {1, 100}, {2, 44}, {3, 34}});
    // Wide enough for every column beside the scroll bar, its right edge kept.
    const int width = grid3->columnsWidth() + 2 * grid3->frameWidth() +
                      grid3->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid3);
    grid3->setGeometry(kCareerRight - width, grid3->y(), width, grid3->height());
    grid3->setVisible(card_.careerVisible);

    conditionColour_ = card_.condition > 0   ? colours::inForm
                       : card_.condition < 0 ? colours::offForm
                                             : colours::cream;
    footColours_ = {kFootGrey, kFootGrey};
    footColours_[card_.leg == -1 ? 0 : 1] = kFootRed;
    update();
}

void Tplayerdata::showEmblem() {
    if (!card_.freeagent) {
        emblem->setPixmap(pixelArt(toImage(card_.emblem), {100, 100}, devicePixelRatioF()));
        return;
    }
    // A free agent has no club: "無" takes the emblem's place, drawn at the
    // screen's own resolution.
    QPixmap mark(QSize(100, 100) * devicePixelRatioF());
    mark.setDevicePixelRatio(devicePixelRatioF());
    mark.fill(Qt::white);
    QPainter p(&mark);
    QFont f = font();
    f.setPointSize(50);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QPoint(18, 18 + QFontMetrics(f).ascent()), kNoClubMark);
    p.end();
    emblem->setPixmap(mark);
}

void Tplayerdata::drawBarCell(CellPaint& cell) const {
    if (cell.col < 2) {
        drawText(cell);
        return;
    }
    // A red bar as long as the value, last season's as a blue strip along its foot.
    const int bar = cell.col - 1;
    const QRect inner = cell.rect.adjusted(0, 2, 0, -2);
    if (bar <= cell.number(1, 0)) cell.painter.fillRect(inner, kBarRed);
    if (bar <= cell.number(2, 0))
        cell.painter.fillRect(
            QRect(QPoint(inner.left(), cell.rect.top() + kBlueStripTop), inner.bottomRight()), kBarBlue);
}

void Tplayerdata::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // The feet first, so that the condition circle shows whole above them.
    p.setBrush(footColours_[0]);
    p.drawEllipse(QRect(30, 80, 240, 170));
    p.setBrush(footColours_[1]);
    p.drawEllipse(QRect(130, 180, 140, 70));
    p.setBrush(conditionColour_);
    p.drawEllipse(QRect(50, 50, 100, 100));
    p.fillRect(QRect(48, 148, 204, 4), Qt::white);
}

void Tplayerdata::offerready() {
    if (!session_.world.trade) return;
    Poffer->setText(qstr(vm::offerready(*session_.world.trade, card_.key)));
    Poffer->show();
}

void Tplayerdata::tradeinfo(int record) {
    decision_ = vm::tradeinfo(session_.world, card_, record);
    Pclose->hide();
    Poffer->hide();
    ptradey->show();
    ptraden->setVisible(decision_->refusable);
    if (!decision_->refusable) ptradey->move(ptraden->pos());
    QStringList lines;
    for (const std::string& line : decision_->message) lines << qstr(line);
    Memo1->setPlainText(lines.join('\n'));
    Memo1->show();
}

bool Tplayerdata::awaitsAnswer() const {
    return decision_ && awaitsanswer(session_.world, *decision_);
}

void Tplayerdata::discard() {
    discarded_ = true;
    close();
}

void Tplayerdata::PchartClick() {
    if (card_.player) session_.host.openStats(Tstats::players, card_.player->statsid);
}

void Tplayerdata::PcloseClick() {
    close();
}

void Tplayerdata::PofferClick() {
    if (Ttrade* trade = session_.world.trade.get()) {
        try {
            pressoffer(*trade, card_.key);
        } catch (const TradeStateError& e) {
            session_.prompts.message(e.what());
        }
    }
    close();
}

void Tplayerdata::ptradeyClick() {
    if (decision_) answeroffer(session_.world, *decision_, true);
    close();
}

void Tplayerdata::ptradenClick() {
    if (decision_) answeroffer(session_.world, *decision_, false);
    close();
}

void Tplayerdata::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !kNameArea.contains(event->position().toPoint())) return;
    switch (renamefromcard(session_.world, session_.prompts, card_)) {
        case CardRename::renamed:
            pload();
            emit renamed();
            break;
        case CardRename::left: close(); break;
        case CardRename::kept: break;
    }
}

void Tplayerdata::refresh() {
    std::optional<PlayerCard> now = cardreload(session_.world, card_);
    if (!now) {
        discard();  // nothing is left to show or answer
        return;
    }
    card_ = std::move(*now);
    pload();
}

void Tplayerdata::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && Pclose->isVisible()) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Tplayerdata::closeEvent(QCloseEvent* event) {
    // An offer for one of the user's players must be answered before the
    // week can be settled: the card stays until it is.
    if (awaitsAnswer() && !discarded_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    emit closed();
}

}  // namespace vm
