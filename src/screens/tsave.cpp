// SPDX-License-Identifier: GPL-3.0-or-later
// The save screen's layout and what it shows: the file list with the chosen
// name and the panels. What its clicks do is in tsave_actions.cpp.
#include "screens/tsave.h"
#include "screens/qtext.h"

#include <QHeaderView>
#include <QLabel>

#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/placement.h"

namespace vm {
namespace {

// The file list: 15 rows under the heading.
constexpr int kListTop = 60;
constexpr int kListRows = 15;
constexpr int kNameWidth = 100;
constexpr int kTimeWidth = 150;
constexpr int kChosenTop = 392;
constexpr int kPanelTop = 436;

}  // namespace

Tsave::Tsave(const Session& session, SaveMode savemode, QWidget* opener)
    : FileWindow(session, opener), screen_(session.world, session.prompts, savemode) {
    buildList();
    buildPanels();
    showList();
    grid->setFocus();

    placeOver(this, opener);
}

void Tsave::buildList() {
    grid = makeList(screen_.grid());
    const int width = kNameWidth + kTimeWidth;
    if (screen_.mode() == SaveMode::vsexport)
        grid->setColumnWidths(width);
    else
        grid->setColumnWidths(kTimeWidth, {{0, kNameWidth}});
    grid->horizontalHeader()->setStretchLastSection(true);
    const int framed = width + kTableFrame;
    grid->setGeometry((kWindow.width() - framed) / 2, kListTop, framed, (kListRows + 1) * kRowHeight + 2);
    connect(grid, &GridView::cellPressed, this, &Tsave::gridMouseDown);
    connect(grid, &GridView::cellDoubleClicked, this, [this](int row, int) { gridDblClick(row); });
    // A row reached by the arrow keys is the chosen file as a pressed one is.
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &Tsave::gridCursorMoved);

    lbsave = textLabel(board_);
    lbsave->setObjectName("lbsave");
    lbsave->setGeometry(grid->x(), kChosenTop, grid->width(), 26);
    lbsave->setAlignment(Qt::AlignCenter);
    lbsave->setStyleSheet(
        "QLabel { color: #fffbf0; background: rgba(40, 24, 10, 170); border-radius: 3px;"
        " font-size: 15px; font-weight: bold; padding: 0 6px; }");
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
    placePanels(shown, P0, kPanelTop);
}

void Tsave::showList() {
    showGrid(grid, screen_.grid());
    const int row = screen_.selectedRow();
    if (row == 0)
        grid->clearChoice();
    else if (grid->currentGridRow() != row)
        grid->selectGridRow(row);
    lbsave->setText(qstr(screen_.chosenName()));
}

}  // namespace vm
