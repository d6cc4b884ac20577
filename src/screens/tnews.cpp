// SPDX-License-Identifier: GPL-3.0-or-later
// The news screen's layout and how it shows a page: the title, the caster and
// the message box, the table with the page's geometry, the goal boxes beside
// the results, the shirt numbers on the small pitch, the off-season controls
// and the website's menu.
#include "screens/tnews.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShortcut>

#include "screens/backdrop.h"
#include "screens/goalbox.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/pictures.h"
#include "screens/qtext.h"

namespace vm {
namespace {

constexpr QSize kScreen{640, 480};
// Every table's top: the heading ends at 60, where the goal boxes begin.
constexpr int kTableTop = 39;
constexpr QRect kMessage{160, 360, 480, 120};
constexpr QRect kWideMessage{0, 360, 640, 120};
constexpr QRect kSmallCaster{0, 360, 160, 120};
constexpr QRect kLargeCaster{160, 116, 320, 240};
constexpr int kGoalBoxTop = 60;
constexpr int kGoalBoxStep = 51;
constexpr QSize kGoalBox{200, 50};
constexpr int kMenuRows = 11;
constexpr int kMenuRowHeight = 26;
const char* const kMenu[kMenuRows] = {"メニュー",   "D1順位",     "D1得点",     "D1アシスト",
                                      "D2順位",     "D2得点",     "D2アシスト", "対戦相手",
                                      "怪我人情報", "過去の成績", "終了"};
const QColor kFirstRank{255, 255, 0};

QStringList lines(const std::vector<std::string>& text) {
    QStringList shown;
    for (const std::string& line : text) shown << qstr(line);
    return shown;
}

QLabel* picture(const QImage& image, QRect geometry, QWidget* parent) {
    auto* label = textLabel(parent);
    label->setGeometry(geometry);
    label->setPixmap(QPixmap::fromImage(image));
    label->setScaledContents(true);
    return label;
}

// Our half of a pitch, goal on the left, under the predicted eleven's shirts.
class SmallPitch : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        for (int x = 0, stripe = 0; x < width(); x += 29, ++stripe)
            p.fillRect(x, 0, 29, height(), stripe % 2 ? QColor(58, 138, 62) : QColor(66, 150, 70));
        p.setPen(QPen(QColor(240, 240, 240), 2));
        p.drawRect(r.adjusted(1, 1, -1, -1));
        const int mid = height() / 2;
        p.drawRect(1, mid - 89, 91, 178);  // the penalty area
        p.drawRect(1, mid - 40, 30, 80);   // the goal area
        p.drawEllipse(QPoint(width() - 1, mid), 50, 50);
        p.drawPoint(61, mid);
    }
};

}  // namespace

Tnews* Tnews::open(const Session& session, int start, const std::filesystem::path& replay) {
    try {
        auto* news = new Tnews(session, start, replay);
        news->newsversion();
        return news;
    } catch (const std::runtime_error& e) {
        session.prompts.error(e.what());
        return nullptr;
    }
}

Tnews::Tnews(const Session& session, int start, std::filesystem::path replay)
    : QWidget(nullptr), session_(session), replay_(std::move(replay)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(kScreen);
    auto* backdrop = new Backdrop(loadSkin(session_.world, "news.jpg"), this);
    backdrop->setGeometry(rect());
    const QImage small = loadSkin(session_.world, "caster.jpg");
    const QImage large = loadSkin(session_.world, "caster2.bmp");

    news_ = std::make_unique<NewsProgramme>(session_.world, start);
    website_ = start == kWebsite;
    setWindowTitle(titleText(qstr(session_.world.team(0).name) + (website_ ? ".com" : "TV")));

    buildTable();
    buildGoalBoxes();
    buildShirts();
    buildChoices();
    buildMenu();
    caster = picture(small, kSmallCaster, this);
    caster->setObjectName("caster");
    caster2 = picture(large, kLargeCaster, this);
    caster2->setObjectName("caster2");
    buildMessage();
    buildKeys();
}

void Tnews::buildMessage() {
    lb = textLabel(this);
    lb->setObjectName("lb");
    lb->setGeometry(0, 6, kScreen.width(), 30);
    lb->setAlignment(Qt::AlignCenter);
    // Dark blue on the light band along the top of the picture.
    lb->setStyleSheet("QLabel { color: #14275e; font-size: 20px; font-weight: bold; }");

    memomes = new QPlainTextEdit(this);
    memomes->setObjectName("memomes");
    memomes->setReadOnly(true);
    memomes->setTextInteractionFlags(Qt::NoTextInteraction);
    memomes->setFocusPolicy(Qt::NoFocus);
    memomes->viewport()->setCursor(Qt::PointingHandCursor);
    memomes->viewport()->installEventFilter(this);
    memomes->setStyleSheet(
        "QPlainTextEdit { font-size: 17px; color: black; background: #fffbf0; border: 1px solid #7a7a7a; }");
}

void Tnews::buildTable() {
    grid = new GridView(this);
    grid->setObjectName("grid");
    grid->setCellPainter([this](CellPaint& c) { drawCell(c); });
    grid->hide();
}

void Tnews::buildGoalBoxes() {
    for (int m = 0; m < kPairings; ++m) {
        for (int s = 0; s < 2; ++s) {
            auto* box = new GoalBox(this);
            box->setObjectName(QString("memo%1%2").arg(m).arg(s));
            box->setGeometry(QRect(QPoint(s == 0 ? 0 : 440, kGoalBoxTop + m * kGoalBoxStep), kGoalBox));
            box->hide();
            goalBoxes_[2 * m + s] = box;
        }
    }
}

void Tnews::buildShirts() {
    pitch = new SmallPitch(this);
    pitch->setObjectName("pitch");
    pitch->setGeometry(10, 38, 286, 292);
    pitch->hide();
    for (int k = 0; k < 11; ++k) {
        auto* shirt = textLabel(this, QString("%1").arg(k + 1, 2, 10, QChar('0')));
        shirt->setObjectName(QString("Label%1").arg(k));
        shirt->setAlignment(Qt::AlignCenter);
        shirt->resize(20, 16);
        shirt->setAttribute(Qt::WA_TransparentForMouseEvents);
        shirt->setStyleSheet(
            "QLabel { color: white; background: #1d3c8f; border: 1px solid white; border-radius: 3px;"
            " font-size: 11px; font-weight: bold; }");
        shirt->hide();
        shirts_[k] = shirt;
    }
}

void Tnews::buildChoices() {
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(100, 60, 180, 200);
    ListBox1->hide();
    connect(ListBox1, &QListWidget::currentRowChanged, this, &Tnews::ListBox1Click);
    connect(ListBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListBox1Click(ListBox1->row(item)); });

    Pstay = new PanelButton("変更なし", {145, 270}, this);
    Pstay->setObjectName("Pstay");
    Pstay->setFocusPolicy(Qt::TabFocus);
    Pstay->hide();
    connect(Pstay, &PanelButton::clicked, this, &Tnews::PstayClick);

    Pyouth = new PanelButton("TOPへ昇格", {275, 324}, this);
    Pyouth->setObjectName("Pyouth");
    Pyouth->setFocusPolicy(Qt::TabFocus);
    Pyouth->hide();
    connect(Pyouth, &PanelButton::clicked, this, &Tnews::PyouthClick);

    // The match just watched, again, from its kept record: below the right
    // goal boxes and the tables, clear of the small pitch and the caster.
    Preplay = new PanelButton("リプレイ", {515, 324}, this);
    Preplay->setObjectName("Preplay");
    Preplay->setFocusPolicy(Qt::TabFocus);
    Preplay->hide();
    connect(Preplay, &PanelButton::clicked, this, &Tnews::PreplayClick);
}

void Tnews::buildMenu() {
    gridmenu = new GridView(this);
    gridmenu->setObjectName("gridmenu");
    gridmenu->setHasHeading(false);
    gridmenu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid entries(1, kMenuRows);
    for (int r = 0; r < kMenuRows; ++r) entries.cell(0, r) = kMenu[r];
    gridmenu->setGrid(std::move(entries));
    gridmenu->setColumnWidths(100);
    gridmenu->verticalHeader()->setDefaultSectionSize(kMenuRowHeight);
    gridmenu->setCellBackground(QColor(255, 251, 240));
    // The entry whose page is shown stays marked; folding the menu keeps it.
    gridmenu->setSelectionMode(QAbstractItemView::NoSelection);
    gridmenu->setCellPainter([this](CellPaint& c) {
        if (c.row == menuRow_) {
            fillCell(c, colours::selection);
            c.pen = Qt::white;
        }
        drawText(c);
    });
    gridmenu->setGeometry(8, 40, 102, kMenuOpen);
    gridmenu->hide();
    connect(gridmenu, &GridView::cellPressed, this, [this](int row, int, Qt::MouseButton button) {
        if (button == Qt::LeftButton) gridmenuPressed(row);
    });
}

void Tnews::buildKeys() {
    for (const int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Right}) {
        auto* press = new QShortcut(QKeySequence(key), this);
        connect(press, &QShortcut::activated, this, [this, key] { keyPressed(key); });
    }
}

void Tnews::newsversion() {
    if (website_) {
        memomes->hide();
        caster->hide();
        caster2->hide();
        gridmenu->show();
    }
    showPage(news_->page(), true);
    show();
}

void Tnews::showPage(const NewsPage& page, bool turned) {
    lb->setText(qstr(page.title));
    if (!website_) {
        memomes->setPlainText(lines(page.message).join('\n'));
        memomes->setGeometry(page.largeCaster ? kWideMessage : kMessage);
        caster->setVisible(!page.largeCaster);
        caster2->setVisible(page.largeCaster);
    }

    conditionCol_ = page.conditionCol;
    leaders_ = page.leaders;
    placeTable(page);
    grid->setVisible(page.tableVisible);
    // The first row stands chosen where a row is the answer.
    if ((page.kind == PageKind::doctor || page.kind == PageKind::youth) && page.table.rowCount() > 1)
        grid->selectGridRow(1);

    for (int m = 0; m < kPairings; ++m) {
        for (int s = 0; s < 2; ++s) {
            GoalBox* box = goalBoxes_[2 * m + s];
            box->showLines(lines(page.goals[m][s]));
            box->setVisible(page.goalsVisible && m + 1 < page.table.rowCount());
        }
    }

    Preplay->setVisible(!replay_.empty() && page.kind != PageKind::end);
    pitch->setVisible(page.kind == PageKind::opponent);
    for (std::size_t k = 0; k < shirts_.size(); ++k) {
        const bool placed = k < page.shirts.size();
        if (placed) shirts_[k]->move(page.shirts[k].x, page.shirts[k].y);
        shirts_[k]->setVisible(placed);
    }

    if (turned) {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->clear();
        for (const std::string& name : page.versusFiles) ListBox1->addItem(qstr(name));
    }
    ListBox1->setVisible(page.replacementOffered);
    Pstay->setVisible(page.replacementOffered);
    Pyouth->setVisible(page.youthOffered);
}

void Tnews::placeTable(const NewsPage& page) {
    const TableLayout& layout = page.layout;
    // Rows take the default height when the table is reset, so it comes first.
    grid->verticalHeader()->setDefaultSectionSize(layout.rowHeight);
    grid->setGrid(page.table);
    grid->setColumnWidths(layout.columnWidth);
    for (int c = 0; c < page.table.colCount(); ++c) grid->setColumnHidden(c, false);
    for (const auto& [column, width] : layout.columns) {
        if (column >= page.table.colCount()) continue;
        if (width == 0)
            grid->setColumnHidden(column, true);
        else
            grid->setColumnWidth(column, width);
    }
    grid->setFixedColumns(page.fixedCols);
    grid->setGeometry(layout.left, kTableTop, layout.width, layout.height);
}

void Tnews::drawCell(CellPaint& cell) const {
    // The last match day's first-ranked players.
    if (leaders_ && cell.col == 0 && cell.text() == "1") fillCell(cell, kFirstRank);
    conditionColour(cell, conditionCol_);
    drawText(cell);
}

}  // namespace vm
