// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's pages.
#include "screens/tstats.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

#include "screens/gridview.h"
#include "screens/qtext.h"
#include "season/statsmodel.h"
#include "season/statstables.h"

namespace vm {

namespace {

constexpr QSize kWindow{900, 560};

// A name as a chart shows it: the charts read their labels as rich text, so
// a name is escaped to stay the plain text it is.
QString chartlabel(std::string_view name) {
    return qstr(name).toHtmlEscaped();
}

// A chart with the game's type (the Japanese font of the window) and no animation.
QChartView* newchart(QWidget* parent, const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setFont(parent->font());
    chart->setTitleFont(parent->font());
    chart->legend()->setFont(parent->font());
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

QValueAxis* axis(QChart* chart, Qt::Alignment where, double lo, double hi, const QString& title,
                 bool reversed) {
    auto* a = new QValueAxis;
    a->setRange(lo, hi);
    a->setLabelFormat("%d");
    a->setTitleText(title);
    a->setReverse(reversed);
    a->setLabelsFont(chart->font());
    a->setTitleFont(chart->font());
    chart->addAxis(a, where);
    return a;
}

// Ticks on whole numbers from `lo`, at most ten of them: match days and
// seasons have no halves.
void wholeticks(QValueAxis* a, int lo, int hi) {
    a->setTickType(QValueAxis::TicksDynamic);
    a->setTickAnchor(lo);
    a->setTickInterval(std::max(1, (hi - lo + 8) / 9));
}

void attach(QChart* chart, QLineSeries* series, QValueAxis* x, QValueAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

GridView* newgrid(QWidget* parent, const Grid& g, int width) {
    auto* view = new GridView(parent);
    view->setGrid(g);
    view->setColumnWidths(width);
    return view;
}

}  // namespace

Tstats::Tstats(const Session& session) : QWidget(nullptr), session_(session) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("データ");
    setFixedSize(kWindow);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabs");
    tabs_->setGeometry(rect().adjusted(6, 6, -6, -6));
    tabs_->addTab(buildMatches(), "試合");
    tabs_->addTab(buildPositions(), "順位推移");
    tabs_->addTab(buildSeasons(), "歴代成績");
    tabs_->addTab(buildRecords(), "クラブ記録");
    tabs_->addTab(buildPlayers(), "選手");
    if (!session_.world.stats.notice.empty()) {
        session_.prompts.message(session_.world.stats.notice);
        session_.world.stats.notice.clear();
    }
}

void Tstats::showPage(Page page, int id) {
    tabs_->setCurrentIndex(page);
    if (page != players || comboplayer->count() == 0) return;
    const int at = id == 0 ? 0 : std::max(0, comboplayer->findData(id));
    comboplayer->setCurrentIndex(at);
    showPlayer(at);
}

QWidget* Tstats::buildMatches() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    listmatches = new QListWidget(page);
    listmatches->setObjectName("listmatches");
    listmatches->setFixedWidth(260);
    const std::vector<const MatchRecord*> day = lastdaymatches(session_.world);
    for (const MatchRecord* r : day) listmatches->addItem(qstr(matchtitle(*r)));
    auto* right = new QVBoxLayout;
    if (day.empty()) {
        right->addWidget(new QLabel("まだ試合の記録がありません", page));
    } else {
        gridfigures = newgrid(page, matchfiguresgrid(*day.front()), 120);
        gridfigures->setObjectName("gridfigures");
        right->addWidget(gridfigures);
        auto* men = new QHBoxLayout;
        for (int s = 0; s < 2; ++s) {
            gridmen[s] = newgrid(page, matchplayersgrid(*day.front(), s), 46);
            gridmen[s]->setColumnWidths(46, {{0, 100}});
            men->addWidget(gridmen[s]);
        }
        right->addLayout(men);
        connect(listmatches, &QListWidget::currentRowChanged, this, &Tstats::showMatch);
        listmatches->setCurrentRow(0);
    }
    layout->addWidget(listmatches);
    layout->addLayout(right);
    return page;
}

void Tstats::showMatch(int row) {
    const std::vector<const MatchRecord*> day = lastdaymatches(session_.world);
    if (row < 0 || row >= static_cast<int>(day.size())) return;
    gridfigures->setGrid(matchfiguresgrid(*day[row]));
    for (int s = 0; s < 2; ++s) gridmen[s]->setGrid(matchplayersgrid(*day[row], s));
}

QWidget* Tstats::buildPositions() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    const std::vector<PositionLine> lines = positionlines(session_.world);
    listclubs = new QListWidget(page);
    listclubs->setObjectName("listclubs");
    listclubs->setFixedWidth(150);
    chartpositions = newchart(page, "順位推移");
    chartpositions->setObjectName("chartpositions");
    QChart* chart = chartpositions->chart();
    chart->legend()->hide();
    const int days = lines.empty() ? 1 : static_cast<int>(lines.front().positions.size());
    QValueAxis* x = axis(chart, Qt::AlignBottom, 1, std::max(days, 2), "節", false);
    wholeticks(x, 1, std::max(days, 2));
    QValueAxis* y = axis(chart, Qt::AlignLeft, 1, 10, "順位", true);
    y->setTickCount(10);
    for (const PositionLine& line : lines) {
        auto* series = new QLineSeries;
        series->setName(chartlabel(line.name));
        for (int d = 0; d < static_cast<int>(line.positions.size()); ++d)
            if (line.positions[d] > 0) series->append(d + 1, line.positions[d]);
        attach(chart, series, x, y);
        positionseries_.push_back(series);
        listclubs->addItem(qstr(line.name));
    }
    connect(listclubs, &QListWidget::currentRowChanged, this, &Tstats::highlight);
    highlight(-1);
    layout->addWidget(listclubs);
    layout->addWidget(chartpositions);
    return page;
}

void Tstats::highlight(int row) {
    // The user's club (the first line) always stands out; a chosen club too.
    for (int i = 0; i < static_cast<int>(positionseries_.size()); ++i) {
        QPen pen = positionseries_[i]->pen();
        const bool strong = i == 0 || i == row;
        pen.setWidth(i == 0 ? 4 : strong ? 3 : 1);
        QColor c = i == 0 ? QColor(200, 30, 30) : i == row ? QColor(30, 80, 200) : QColor(150, 150, 150);
        pen.setColor(c);
        positionseries_[i]->setPen(pen);
    }
}

QWidget* Tstats::buildSeasons() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    const std::vector<ClubSeason> seasons = clubseasons(session_.world);
    QChartView* view = newchart(page, "歴代成績（Div1の1位が上）");
    view->setObjectName("chartseasons");
    QChart* chart = view->chart();
    chart->legend()->hide();
    const int first = seasons.empty() ? 1 : seasons.front().season;
    const int last = seasons.empty() ? 2 : std::max(seasons.back().season, first + 1);
    QValueAxis* x = axis(chart, Qt::AlignBottom, first, last, "期", false);
    wholeticks(x, first, last);
    // Division 1's places above Division 2's on one scale, named at their ends.
    auto* y = new QCategoryAxis;
    y->setRange(1, 20);
    y->setReverse(true);
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    y->setLabelsFont(chart->font());
    for (const auto& [label, at] : {std::pair{"Div1 1位", 1},
                                    {"Div1 5位", 5},
                                    {"Div1 10位", 10},
                                    {"Div2 1位", 11},
                                    {"Div2 5位", 15},
                                    {"Div2 10位", 20}})
        y->append(label, at);
    chart->addAxis(y, Qt::AlignLeft);
    auto* series = new QLineSeries;
    series->setPointsVisible(true);
    for (const ClubSeason& s : seasons) series->append(s.season, s.ladder());
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    // The line between the divisions.
    auto* border = new QLineSeries;
    border->append(first, 10.5);
    border->append(last, 10.5);
    border->setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    chart->addSeries(border);
    border->attachAxis(x);
    border->attachAxis(y);
    GridView* grid = newgrid(page, clubseasonsgrid(seasons), 40);
    grid->setObjectName("gridseasons");
    grid->setFixedWidth(270);
    layout->addWidget(view);
    layout->addWidget(grid);
    return page;
}

QWidget* Tstats::buildRecords() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (const auto& [heading, text] : recordlines(clubrecords(session_.world))) {
        auto* title = new QLabel(qstr(heading), page);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        auto* value = new QLabel(qstr(text), page);
        value->setTextFormat(Qt::PlainText);
        value->setWordWrap(true);
        title->setTextFormat(Qt::PlainText);
        layout->addWidget(title);
        layout->addWidget(value);
    }
    layout->addStretch();
    return page;
}

QWidget* Tstats::buildPlayers() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    comboplayer = new QComboBox(page);
    comboplayer->setObjectName("comboplayer");
    for (const TrackedChoice& c : trackedplayers(session_.world)) comboplayer->addItem(qstr(c.name), c.id);
    chartplayer = newchart(page, "能力の推移");
    chartplayer->setObjectName("chartplayer");
    layout->addWidget(comboplayer);
    layout->addWidget(chartplayer);
    connect(comboplayer, &QComboBox::currentIndexChanged, this, &Tstats::showPlayer);
    showPlayer(comboplayer->currentIndex());
    return page;
}

void Tstats::showPlayer(int index) {
    QChart* chart = chartplayer->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }
    const TrackedPlayer* p =
        index < 0 ? nullptr : trackedrecord(session_.world, comboplayer->itemData(index).toInt());
    if (p == nullptr || p->seasons.empty()) {
        chart->setTitle("記録のある選手がいません");
        return;
    }
    chart->setTitle(chartlabel(p->name) + " の能力");
    const int first = p->seasons.front().season;
    const int last = std::max(p->seasons.back().season, first + 1);
    QValueAxis* x = axis(chart, Qt::AlignBottom, first, last, "期", false);
    wholeticks(x, first, last);
    QValueAxis* y = axis(chart, Qt::AlignLeft, 0, 100, "能力", false);
    for (int k = 0; k < 7; ++k) {
        auto* series = new QLineSeries;
        series->setName(kAbilityNames[k]);
        series->setPointsVisible(true);
        for (const SeasonAbility& a : p->seasons) series->append(a.season, a.ability[k]);
        attach(chart, series, x, y);
    }
}

}  // namespace vm
