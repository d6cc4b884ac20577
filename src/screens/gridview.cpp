// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/gridview.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace vm {
namespace {

constexpr int kRowHeight = 20;
constexpr int kTextPixels = 11;
const QColor kFixedCell{236, 233, 216};

// Hands every cell to the view's painter.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(GridView* view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        view_->paintCell(*painter, option.rect, view_->table().gridRow(index.row()), index.column(),
                         selected);
    }

private:
    GridView* view_;
};

}  // namespace

GridView::GridView(QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
    setModel(model_);
    setItemDelegate(new GridDelegate(this));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);

    QFont f = font();
    f.setPixelSize(kTextPixels);
    setFont(f);

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* heading = horizontalHeader();
    heading->setFont(f);
    heading->setMinimumSectionSize(1);
    heading->setDefaultSectionSize(20);
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setHighlightSections(false);
    heading->setSectionsClickable(true);
    heading->setFixedHeight(kRowHeight);
    heading->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
    heading->setStretchLastSection(false);
    connect(heading, &QHeaderView::sectionPressed, this, &GridView::headingPressed);
    connect(this, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { emit cellDoubleClicked(model_->gridRow(i.row()), i.column()); });

    setStyleSheet(
        "QTableView { gridline-color: #a0a0a0; border: 1px solid #7a7a7a; background: white; }"
        "QHeaderView::section { background: #ece9d8; color: black; border: 0;"
        " border-right: 1px solid #a0a0a0; border-bottom: 1px solid #a0a0a0; padding: 1px 0 0 0; }");
    painter_ = [](CellPaint& cell) { drawText(cell); };
}

void GridView::setGrid(Grid g) {
    // Reset keeps the section sizes of an unchanged column count.
    std::vector<int> widths;
    for (int c = 0; c < model_->columnCount(); ++c) widths.push_back(columnWidth(c));
    model_->setGrid(std::move(g));
    for (int c = 0; c < std::min<int>(static_cast<int>(widths.size()), model_->columnCount()); ++c)
        setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

void GridView::setColumnWidths(int standard, std::initializer_list<std::pair<int, int>> widths) {
    horizontalHeader()->setDefaultSectionSize(standard);
    for (int c = 0; c < model_->columnCount(); ++c) setColumnWidth(c, standard);
    for (auto [column, width] : widths)
        if (column < model_->columnCount()) setColumnWidth(column, width);
}

int GridView::columnsWidth() const {
    return horizontalHeader()->length();
}

void GridView::setHasHeading(bool heading) {
    model_->setHasHeading(heading);
    horizontalHeader()->setVisible(heading);
}

void GridView::setFixedColumns(int count) {
    fixedColumns_ = count;
    viewport()->update();
}

void GridView::setWholeRows(bool wholeRows) {
    setSelectionBehavior(wholeRows ? SelectRows : SelectItems);
}

void GridView::setCellBackground(const QColor& colour) {
    background_ = colour;
    viewport()->update();
}

void GridView::setCellPainter(CellPainter painter) {
    painter_ = std::move(painter);
    viewport()->update();
}

int GridView::currentGridRow() const {
    const QModelIndex i = currentIndex();
    if (!i.isValid() || !selectionModel()->isSelected(i)) return -1;
    return model_->gridRow(i.row());
}

int GridView::currentColumn() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : -1;
}

void GridView::selectGridRow(int row, int column) {
    const QModelIndex i = model_->index(model_->modelRow(row), column);
    if (i.isValid()) setCurrentIndex(i);
}

void GridView::clearChoice() {
    clearSelection();
    selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

void GridView::paintCell(QPainter& painter, const QRect& rect, int row, int col, bool selected) const {
    const bool fixed = col < fixedColumns_;
    selected = selected && !fixed;
    painter.fillRect(rect, fixed ? kFixedCell : selected ? colours::selection : background_);
    CellPaint cell{
        painter, rect, model_->grid(), row, col, selected, selected ? QColor(Qt::white) : QColor(Qt::black)};
    painter_(cell);
}

void GridView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex i = indexAt(event->position().toPoint());
    if (i.isValid()) emit cellPressed(model_->gridRow(i.row()), i.column(), event->button());
    if (event->button() == Qt::RightButton) return;  // a right press chooses nothing
    QTableView::mousePressEvent(event);
}

void GridView::focusInEvent(QFocusEvent* event) {
    if (currentIndex().isValid()) {
        QTableView::focusInEvent(event);
        return;
    }
    // The item view puts the cursor of a table without one on its first cell
    // when the focus comes by the keyboard or with the window; a screen that
    // follows the cursor would take that for the player's choice. The focus
    // alone chooses nothing: the first arrow key still starts at the top.
    const QSignalBlocker quiet(selectionModel());
    QTableView::focusInEvent(event);
    selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

}  // namespace vm
