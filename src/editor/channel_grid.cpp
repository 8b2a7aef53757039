#include "editor/channel_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStylePainter>

#include "editor/channel_grid_model.h"
#include "ui/command_ids.h"

namespace qm530::editor {

CChannelGrid::CChannelGrid(ChannelTable& table, QWidget* parent)
    : QTableView(parent), table_(table), model_(new ChannelGridModel(table, this)) {
    setObjectName(QStringLiteral("Grid1000"));
    setProperty("helpId", ui::ctl::kGrid);
    setAccessibleName(tr("Channels"));
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Whole channels are selected through their numbers, Shift and Ctrl
    // extending the selection, or a block of cells with Shift+click.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->viewport()->installEventFilter(this);
    }
    verticalHeader()->setSectionsClickable(true);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setFixedHeight(kRowHeight + 2);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setFixedWidth(column0Width_);

    // The corner where the header row meets the label column shows cell (0, 0).
    corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (corner_) corner_->installEventFilter(this);

    // The first channel cell is current from the start, without events.
    selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::ClearAndSelect);

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CChannelGrid::Scroll);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CChannelGrid::Scroll);
}

void CChannelGrid::SetCurrentCell(int row, int column) {
    if (row < 1 || row >= Rows() || column < 1 || column >= Cols()) return;
    setCurrentIndex(model_->index(row - 1, column - 1));
}

void CChannelGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (!current.isValid()) {
        // A screen reader may ask the table for its current cell at any
        // moment (Qt's tables have crashed under one without it): the cell
        // that was current stays so.
        QTableView::currentChanged(current, previous);
        selectionModel()->setCurrentIndex(model_->index(row_ - 1, col_ - 1),
                                          QItemSelectionModel::NoUpdate);
        return;
    }
    const bool moved =
        current.isValid() && (current.row() + 1 != row_ || current.column() + 1 != col_);
    if (moved) emit LeaveCell();
    if (current.isValid()) {
        row_ = current.row() + 1;
        col_ = current.column() + 1;
    }
    QTableView::currentChanged(current, previous);
    if (moved) emit EnterCell();
}

void CChannelGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    emit MouseDown();
}

bool CChannelGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint) {
        PaintCorner();
        return true;
    }
    // A click on a fixed cell leaves the current cell alone but is a mouse
    // press on the grid all the same.
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == horizontalHeader()->viewport() || watched == verticalHeader()->viewport())) {
        emit MouseDown();
    }
    return QTableView::eventFilter(watched, event);
}

void CChannelGrid::PaintCorner() {
    QStylePainter painter(corner_);
    QStyleOptionHeader option;
    option.initFrom(corner_);
    option.rect = corner_->rect();
    option.orientation = Qt::Horizontal;
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.state |= QStyle::State_Raised;
    option.text = QString::fromStdString(table_.Cell(0, 0));
    option.textAlignment = model_->ColumnAlignment(0);
    option.palette.setColor(QPalette::ButtonText, model_->FixedTextColor());
    painter.drawControl(QStyle::CE_Header, option);
}

void CChannelGrid::SetTextMatrix(int row, int column, const std::string& text) {
    table_.SetCell(row, column, text);
    if (row == 0 || column == 0) {
        model_->Refresh();
    } else {
        model_->RefreshRow(row);
    }
}

QRect CChannelGrid::CellRect() const {
    return visualRect(model_->index(row_ - 1, col_ - 1));
}

int CChannelGrid::ColWidth(int column) const {
    return column == 0 ? column0Width_ : columnWidth(column - 1);
}

void CChannelGrid::SetColWidth(int column, int width) {
    if (column == 0) {
        column0Width_ = width;
        verticalHeader()->setFixedWidth(width);
    } else {
        setColumnWidth(column - 1, width);
    }
}

void CChannelGrid::SetColAlignment(int column, Qt::Alignment alignment) {
    model_->SetColumnAlignment(column, alignment);
    if (corner_ && column == 0) corner_->update();
}

void CChannelGrid::SetForeColorFixed(const QColor& color) {
    model_->SetFixedTextColor(color);
    if (corner_) corner_->update();
}

void CChannelGrid::Refresh() {
    model_->Refresh();
    if (corner_) corner_->update();
}

void CChannelGrid::RefreshRow(int row) {
    model_->RefreshRow(row);
}

}  // namespace qm530::editor
