// SPDX-License-Identifier: GPL-3.0-or-later
// The replay viewer's layout, the list of kept replays and opening a record.
#include "screens/treplay.h"

#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

#include "league/savefiles.h"
#include "screens/clock.h"
#include "screens/goalslider.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/pictures.h"
#include "screens/qtext.h"
#include "screens/replaypitch.h"
#include "util/errors.h"

namespace vm {

namespace {

constexpr QSize kWindow{968, 654};
constexpr int kPitchLeft = 320;
// Below the pitch: the clock, the score and the commentary of the frame on
// show, as the scoreboard showed them live; the controls below them.
constexpr int kFiguresTop = 492;
constexpr int kControlsTop = 526;

QLabel* caption(const QString& text, QRect geometry, QWidget* parent) {
    auto* label = textLabel(parent, text);
    label->setGeometry(geometry);
    label->setStyleSheet("QLabel { color: #fffbf0; font-size: 14px; }");
    return label;
}

}  // namespace

Treplay* Treplay::open(const Session& session) {
    try {
        auto* viewer = new Treplay(session);
        viewer->show();
        // Its keys work at once, above the screen it was opened from.
        viewer->activateWindow();
        return viewer;
    } catch (const std::runtime_error& e) {
        session.prompts.error(e.what());
        return nullptr;
    }
}

Treplay::Treplay(const Session& session) : QWidget(nullptr), session_(session) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The screens below wait while a replay is watched; nothing there changes meanwhile.
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle("リプレイ");
    setFixedSize(kWindow);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x12, 0x3d, 0x1a));
    setPalette(palette);

    imgpitch = new ReplayPitch(session_.world, this);
    imgpitch->setObjectName("imgpitch");
    imgpitch->move(kPitchLeft, 8);
    timer_ = new QTimer(this);
    timer_->setInterval(session_.clock.pollInterval());
    connect(timer_, &QTimer::timeout, this, &Treplay::poll);

    buildList();
    buildFigures();
    buildControls();
    buildKeys();
    listReplays();
    redraw();
}

void Treplay::buildList() {
    caption("保存したリプレイ（新しい順）", {8, 8, 300, 20}, this);
    gridreplays = new GridView(this);
    gridreplays->setObjectName("gridreplays");
    gridreplays->setGeometry(8, 32, 304, 504);
    gridreplays->setCellBackground(colours::cream);
    connect(gridreplays, &GridView::cellPressed, this, [this](int row, int, Qt::MouseButton button) {
        if (button == Qt::LeftButton) gridreplaysPressed(row);
    });
    lbempty = textLabel(gridreplays);
    lbempty->setObjectName("lbempty");
    lbempty->setGeometry(12, 40, 280, 160);
    lbempty->setWordWrap(true);
    lbempty->setAttribute(Qt::WA_TransparentForMouseEvents);
    lbempty->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbempty->setStyleSheet("QLabel { color: #404040; font-size: 13px; background: transparent; }");
    lblegend = caption(kPartialLegend, {104, 540, 208, 36}, this);
    lblegend->setObjectName("lblegend");
    lblegend->setWordWrap(true);
    lblegend->setStyleSheet("QLabel { color: #fffbf0; font-size: 12px; }");
    Pdelete = new PanelButton("削除", {8, 544}, this);
    Pdelete->setObjectName("Pdelete");
    connect(Pdelete, &PanelButton::clicked, this, &Treplay::PdeleteClick);
}

void Treplay::buildControls() {
    Sbposition = new GoalSlider(this);
    Sbposition->setObjectName("Sbposition");
    Sbposition->setGeometry(kPitchLeft, kControlsTop, 640, 26);
    connect(Sbposition, &QSlider::valueChanged, this, &Treplay::SbpositionChanged);

    struct Control {
        PanelButton*& button;
        const char* name;
        const char* text;
        const char* tip;
        int width;
        void (Treplay::*click)();
    };
    const Control controls[] = {
        {Pprevgoal, "Pprevgoal", "前のゴール", "前のゴールへ (PageUp)", 90, &Treplay::PprevgoalClick},
        {Pback, "Pback", "コマ戻し", "1コマ戻す (←)", 90, &Treplay::PbackClick},
        {Pplay, "Pplay", "再生", "再生・一時停止 (Space)", 90, &Treplay::PplayClick},
        {Pforward, "Pforward", "コマ送り", "1コマ進める (→)", 90, &Treplay::PforwardClick},
        {Pnextgoal, "Pnextgoal", "次のゴール", "次のゴールへ (PageDown)", 90, &Treplay::PnextgoalClick},
        {Pslower, "Pslower", "遅く", "遅くする (−)", 60, &Treplay::PslowerClick},
        {Pfaster, "Pfaster", "速く", "速くする (+)", 60, &Treplay::PfasterClick},
    };
    int x = kPitchLeft;
    for (const Control& c : controls) {
        c.button = new PanelButton(c.text, {x, kControlsTop + 32}, this);
        c.button->setObjectName(c.name);
        c.button->setToolTip(c.tip);
        c.button->setFixedWidth(c.width);
        connect(c.button, &PanelButton::clicked, this, c.click);
        x += c.width + (c.button == Pnextgoal ? 14 : 6);
    }

    const int labels = kControlsTop + 70;
    lbmatch = caption({}, {kPitchLeft, labels, 400, 22}, this);
    lbmatch->setObjectName("lbmatch");
    lbgoals = caption({}, {kPitchLeft + 404, labels, 90, 22}, this);
    lbgoals->setObjectName("lbgoals");
    lbframe = caption({}, {kPitchLeft + 496, labels, 90, 22}, this);
    lbframe->setObjectName("lbframe");
    lbframe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbspeed = caption({}, {kPitchLeft + 592, labels, 48, 22}, this);
    lbspeed->setObjectName("lbspeed");
    lbspeed->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbnote = caption({}, {kPitchLeft, labels + 26, 640, 22}, this);
    lbnote->setObjectName("lbnote");
    lbnote->setStyleSheet("QLabel { color: #ffd27a; font-size: 14px; }");
}

void Treplay::buildFigures() {
    const auto figure = [this](const char* name, QRect at, const QString& style, Qt::Alignment align) {
        QLabel* l = caption({}, at, this);
        l->setObjectName(name);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(align | Qt::AlignVCenter);
        l->setStyleSheet(QString("QLabel { %1 }").arg(style));
        return l;
    };
    const QString board = "color: %1; background: #143a1c; font-size: 20px; font-weight: bold;";
    const QString white = board.arg("white");
    lbtime = figure("lbtime", {kPitchLeft, kFiguresTop, 80, 28}, white, Qt::AlignCenter);
    lbg0 = figure("lbg0", {kPitchLeft + 80, kFiguresTop, 34, 28}, white, Qt::AlignRight);
    figure("lbminus", {kPitchLeft + 114, kFiguresTop, 20, 28}, white, Qt::AlignCenter)->setText("－");
    lbg1 = figure("lbg1", {kPitchLeft + 134, kFiguresTop, 34, 28}, board.arg("yellow"), Qt::AlignLeft);
    lbzikyo = figure("lbzikyo", {kPitchLeft + 172, kFiguresTop, 468, 28},
                     "color: black; background: white; font-size: 17px;", Qt::AlignCenter);
}

void Treplay::buildKeys() {
    const std::pair<QKeySequence, void (Treplay::*)()> keys[] = {
        {Qt::Key_Space, &Treplay::PplayClick},
        {Qt::Key_Left, &Treplay::PbackClick},
        {Qt::Key_Right, &Treplay::PforwardClick},
        {Qt::Key_PageUp, &Treplay::PprevgoalClick},
        {Qt::Key_PageDown, &Treplay::PnextgoalClick},
        {Qt::Key_Plus, &Treplay::PfasterClick},
        {Qt::Key_Plus | Qt::KeypadModifier, &Treplay::PfasterClick},
        {Qt::Key_Minus, &Treplay::PslowerClick},
        {Qt::Key_Minus | Qt::KeypadModifier, &Treplay::PslowerClick},
    };
    for (const auto& [key, act] : keys) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, act);
    }
    // Enter shows the replay chosen in the list, as a click on it does.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this,
                [this] { gridreplaysPressed(gridreplays->currentGridRow()); });
    }
    auto* escape = new QShortcut(Qt::Key_Escape, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void Treplay::listReplays() {
    kept_ = keptreplays(session_.world);
    gridreplays->setGrid(replaygrid(kept_));
    gridreplays->setColumnWidths(60, {{0, 76}, {1, 91}, {2, 42}, {3, 91}});
    for (std::size_t r = 0; r < kept_.size(); ++r)
        if (kept_[r].file == shown_) gridreplays->selectGridRow(static_cast<int>(r) + 1);
    Pdelete->setEnabled(!kept_.empty());
    if (kept_.empty()) {
        // A path breaks after any of its slashes, not only at spaces.
        QString hint = QString::fromStdString(noreplaystext(session_.world));
        lbempty->setText(hint.replace('/', QStringLiteral("/\u200B")));
    }
    lbempty->setVisible(kept_.empty());
    lblegend->setVisible(std::any_of(kept_.begin(), kept_.end(),
                                     [](const KeptReplay& k) { return k.match && k.match->partial; }));
}

void Treplay::gridreplaysPressed(int row) {
    if (row < 1 || row > static_cast<int>(kept_.size())) return;
    const KeptReplay& kept = kept_[row - 1];
    if (kept.file != shown_) showRecord(kept.file, kept.match);
}

void Treplay::PdeleteClick() {
    const int row = gridreplays->currentGridRow();
    if (row < 1 || row > static_cast<int>(kept_.size())) {
        session_.prompts.message("削除するリプレイを一覧から選んでください");
        return;
    }
    const KeptReplay kept = kept_[row - 1];
    if (!session_.prompts.askYesNo("「" + replaytitle(kept.file, kept.match) +
                                   "」のリプレイを削除しますか？"))
        return;
    try {
        deletereplay(session_.world, kept);
    } catch (const std::runtime_error& e) {
        // Nothing was removed: the replay stays listed and, when on show, on show.
        session_.prompts.error(e.what());
        return;
    }
    if (kept.file == shown_) clearRecord();
    listReplays();
}

bool Treplay::showRecord(const std::filesystem::path& record, const std::optional<KeptMatch>& match) {
    ReplayReading reading;
    try {
        reading = readreplayfile(record);
        if (reading.replay.frames.empty()) throw FormatError("記録にコマが1つもありません");
    } catch (const std::runtime_error& e) {
        session_.prompts.error(unreadableText(e));
        return false;
    }
    // Without its notes (kept before they were taken, or damaged) the replay
    // shows what its record allows.
    const NotesReading notes = readkeptnotes(record);
    imgpitch->setSides({toImage(reading.replay.pictures[0]), toImage(reading.replay.pictures[1])});
    view_.emplace(std::move(reading.replay), notes.notes);
    shown_ = record;
    std::optional<KeptMatch> described = match;
    for (const KeptReplay& kept : kept_) {
        std::error_code ec;
        if (!described && std::filesystem::equivalent(kept.file, record, ec)) described = kept.match;
    }
    lbmatch->setText(QString::fromStdString(replaytitle(record, described)));
    std::string note;
    if (reading.cutShort)
        note = reading.problem + "。残っている" + std::to_string(view_->frames()) + "コマを再生します";
    if (!notes.problem.empty())
        note +=
            (note.empty() ? "" : "　") + notes.problem + "。時計・得点・実況は記録から分かる範囲で表示します";
    lbnote->setText(QString::fromStdString(note));
    Sbposition->setGoals(view_->goals());
    listReplays();
    view_->play(static_cast<ReplayView::Millis>(session_.clock.now()));
    timer_->start();
    redraw();
    return true;
}

void Treplay::clearRecord() {
    timer_->stop();
    view_.reset();
    shown_.clear();
    lbmatch->clear();
    lbnote->clear();
    Sbposition->setGoals({});
    redraw();
}

}  // namespace vm
