// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/gridview.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

#include "screens/qtext.h"

namespace vm {
namespace {

constexpr int kRowHeight = 20;
constexpr int kTextPixels = 10;
// Pixels beside a column's widest text, so that it never touches the lines.
constexpr int kTextMargin = 3;
// Narrower columns are bars or marks drawn without text.
constexpr int kBarWidth = 2;
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
    connect(model_, &GridModel::modelReset, this, &GridView::fitColumns);
    connect(this, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { emit cellDoubleClicked(model_->gridRow(i.row()), i.column()); });

    setStyleSheet(
        "QTableView { gridline-color: #a0a0a0; border: 1px solid #7a7a7a; background: white; }"
        "QHeaderView::section { background: #ece9d8; color: black; border: 0;"
        " border-right: 1px solid #a0a0a0; border-bottom: 1px solid #a0a0a0; padding: 1px 0 0 0; }");
    painter_ = [](CellPaint& cell) { drawText(cell); };
}

void GridView::setGrid(Grid g) {
    model_->setGrid(std::move(g));
    fitColumns();
}

void GridView::setColumnWidths(int standard, std::initializer_list<std::pair<int, int>> widths) {
    horizontalHeader()->setDefaultSectionSize(standard);
    laidOut_.assign(static_cast<std::size_t>(model_->columnCount()), standard);
    for (auto [column, width] : widths)
        if (column < model_->columnCount()) laidOut_[static_cast<std::size_t>(column)] = width;
    fitColumns();
}

void GridView::setColumnWidth(int column, int width) {
    if (column < 0 || column >= model_->columnCount()) return;
    if (laidOut_.size() <= static_cast<std::size_t>(column))
        laidOut_.resize(static_cast<std::size_t>(column) + 1, horizontalHeader()->defaultSectionSize());
    laidOut_[static_cast<std::size_t>(column)] = width;
    fitColumns();
}

int GridView::laidOutWidth(int column) const {
    const auto i = static_cast<std::size_t>(column);
    return i < laidOut_.size() ? laidOut_[i] : horizontalHeader()->defaultSectionSize();
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitColumns();
}

int GridView::rowsRoom() const {
    const int frame = 2 * frameWidth();
    const int rowsHeight =
        height() - frame - (horizontalHeader()->isVisible() ? horizontalHeader()->height() : 0);
    const int rowsLength = model_->rowCount() * verticalHeader()->defaultSectionSize();
    const Qt::ScrollBarPolicy policy = verticalScrollBarPolicy();
    const bool bar =
        policy == Qt::ScrollBarAlwaysOn || (policy == Qt::ScrollBarAsNeeded && rowsLength > rowsHeight);
    return width() - frame - (bar ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
}

int GridView::textWidth(int column) const {
    const Grid& g = model_->grid();
    int widest = model_->hasHeading()
                     ? horizontalHeader()->fontMetrics().horizontalAdvance(qstr(g.cell(column, 0)))
                     : 0;
    for (int row = 0; row < model_->rowCount(); ++row)
        widest =
            std::max(widest, fontMetrics().horizontalAdvance(qstr(g.cell(column, model_->gridRow(row)))));
    return widest;
}

void GridView::fitColumns() {
    const int count = model_->columnCount();
    const int room = rowsRoom();
    std::vector<int> width(static_cast<std::size_t>(count)), need(static_cast<std::size_t>(count), 0);
    std::vector<bool> inSight(static_cast<std::size_t>(count), false);
    // The columns in sight are those the screen's own widths put inside the view;
    // keys kept beyond its right edge stay there.
    int position = 0;
    for (int c = 0; c < count; ++c) {
        const auto i = static_cast<std::size_t>(c);
        width[i] = laidOutWidth(c);
        if (isColumnHidden(c)) continue;
        inSight[i] = position < room && width[i] > kBarWidth;
        position += width[i];
    }
    int end = 0;
    position = 0;
    for (int c = 0; c < count; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (isColumnHidden(c)) continue;
        if (inSight[i]) {
            need[i] = textWidth(c) + kTextMargin;
            width[i] = std::max(width[i], need[i]);
            end = position + width[i];
        }
        position += width[i];
    }
    // Pixels past the view come out of the columns with the most to spare.
    for (int excess = end - room; excess > 0 && end > 0; --excess) {
        std::size_t roomiest = 0;
        for (std::size_t i = 1; i < width.size(); ++i)
            if (inSight[i] && (!inSight[roomiest] || width[i] - need[i] > width[roomiest] - need[roomiest]))
                roomiest = i;
        if (!inSight[roomiest] || width[roomiest] <= need[roomiest]) break;
        --width[roomiest];
    }
    for (int c = 0; c < count; ++c) QTableView::setColumnWidth(c, width[static_cast<std::size_t>(c)]);
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

bool sameCells(const Grid& a, const Grid& b) {
    if (a.colCount() != b.colCount() || a.rowCount() != b.rowCount()) return false;
    for (int r = 0; r < a.rowCount(); ++r)
        if (a.rows()[r].cells != b.rows()[r].cells) return false;
    return true;
}

void showGrid(GridView* view, const Grid& g) {
    if (!sameCells(view->grid(), g)) view->setGrid(g);
}

}  // namespace vm
