// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer screen's filter panel "リスト絞込み": the position and foot
// choices, the number boxes for the age limit and the attribute minimums,
// "絞込み" and "初期化".
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/qtext.h"
#include "screens/ttradetop.h"

namespace vm {
namespace {

constexpr QRect kPanel{458, 34, 192, 380};
constexpr int kLabelWidth = 84;
constexpr int kFieldLeft = 96;
constexpr int kRowHeight = 22;
constexpr int kFirstSpinRow = 90;
constexpr int kSpinRowStep = 28;

// A number box changed only by its arrows (or the arrow keys), so that it
// always holds one of its steps.
class ArrowSpinBox : public QSpinBox {
public:
    ArrowSpinBox(const SpinRange& range, QWidget* parent) : QSpinBox(parent) {
        setRange(range.low, range.high);
        setSingleStep(range.step);
        setValue(range.reset);
        lineEdit()->setReadOnly(true);
        setAlignment(Qt::AlignRight);
    }
};

QLabel* caption(const QString& text, QRect geometry, QWidget* parent) {
    auto* label = textLabel(parent, text);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

void Ttradetop::buildFilter(QWidget* board) {
    filterPanel = new QFrame(board);
    filterPanel->setObjectName("filterPanel");
    filterPanel->setGeometry(kPanel);
    filterPanel->setStyleSheet(
        "QFrame#filterPanel { background: rgba(255, 251, 240, 225); border: 1px solid #8a7a4a;"
        " border-radius: 4px; } QLabel { color: black; font-size: 12px; }");

    int label = 0;
    auto next = [&label](QLabel* l) {
        l->setObjectName(QString("lbfil%1").arg(label++));
        return l;
    };
    QLabel* heading = next(caption("リスト絞込み", {8, 6, 176, 20}, filterPanel));
    heading->setStyleSheet("QLabel { font-weight: bold; font-size: 14px; }");

    next(caption("攻撃スタイル", {8, 32, kLabelWidth, kRowHeight}, filterPanel));
    Combo1 = new QComboBox(filterPanel);
    Combo1->setObjectName("Combo1");
    Combo1->setGeometry(kFieldLeft, 32, 88, kRowHeight);
    for (const char* choice : kPositionChoices) Combo1->addItem(choice);
    next(caption("利き足", {8, 58, kLabelWidth, kRowHeight}, filterPanel));
    Combo2 = new QComboBox(filterPanel);
    Combo2->setObjectName("Combo2");
    Combo2->setGeometry(kFieldLeft, 58, 88, kRowHeight);
    for (const char* choice : kFootChoices) Combo2->addItem(choice);

    const std::array<const char*, 8> names{"年齢",     "スピード", "強さ", "",
                                           "シュート", "ドリブル", "パス", "クロス"};
    for (std::size_t i = 0; i < sta_.size(); ++i) {
        const int y = kFirstSpinRow + static_cast<int>(i) * kSpinRowStep;
        if (i == 3) {
            // Ball control takes two short lines.
            next(caption("ボール", {8, y - 4, kLabelWidth, 15}, filterPanel));
            next(caption("コントロール", {8, y + 11, kLabelWidth, 15}, filterPanel));
        } else {
            next(caption(names[i], {8, y, kLabelWidth, kRowHeight}, filterPanel));
        }
        auto* box = new ArrowSpinBox(i == 0 ? kAgeLimit : kAttributeMinimum, filterPanel);
        box->setObjectName(QString("sta%1").arg(i));
        box->setGeometry(kFieldLeft, y, 64, kRowHeight);
        sta_[i] = box;
        // Which way the limit keeps players: younger than the age, above each minimum.
        QLabel* arrow = caption(i == 0 ? "↓" : "↑", {164, y, 20, kRowHeight}, filterPanel);
        arrow->setObjectName(QString("lbup%1").arg(i));
        arrow->setAlignment(Qt::AlignCenter);
    }

    Pfilter = new PanelButton("絞込み", {4, 340}, filterPanel);
    Pfilter->setObjectName("Pfilter");
    connect(Pfilter, &PanelButton::clicked, this, &Ttradetop::PfilterClick);
    Pformat = new PanelButton("初期化", {98, 340}, filterPanel);
    Pformat->setObjectName("Pformat");
    connect(Pformat, &PanelButton::clicked, this, &Ttradetop::PformatClick);
}

ListFilter Ttradetop::panelFilter() const {
    ListFilter f;
    f.position = Combo1->currentText().toStdString();
    f.foot = Combo2->currentText().toStdString();
    f.agelimit = sta_[0]->value();
    for (std::size_t a = 0; a < f.minimum.size(); ++a) f.minimum[a] = sta_[a + 1]->value();
    return f;
}

void Ttradetop::setPanel(const ListFilter& filter) {
    Combo1->setCurrentText(QString::fromStdString(filter.position));
    Combo2->setCurrentText(QString::fromStdString(filter.foot));
    sta_[0]->setValue(filter.agelimit);
    for (std::size_t a = 0; a < filter.minimum.size(); ++a) sta_[a + 1]->setValue(filter.minimum[a]);
}

void Ttradetop::PfilterClick() {
    if (flow_.applyFilter(panelFilter())) redraw();
}

void Ttradetop::PformatClick() {
    if (const auto reset = flow_.resetFilter()) {
        setPanel(*reset);
        redraw();
    }
}

}  // namespace vm
