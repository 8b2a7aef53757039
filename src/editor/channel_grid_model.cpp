#include "editor/channel_grid_model.h"

#include <QBrush>

#include "editor/channel_phrase.h"

namespace qm530::editor {

ChannelGridModel::ChannelGridModel(ChannelTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    alignment_.fill(Qt::AlignLeft | Qt::AlignVCenter);
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableRows - 1;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableCols - 1;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row() + 1;
    const int column = index.column() + 1;
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(table_.Cell(row, column));
        // A screen reader says "empty" rather than nothing, and can tell
        // the cell's column and channel.
        case Qt::AccessibleTextRole:
            return ChannelSpeech::Cell(table_.Cell(row, column));
        case Qt::AccessibleDescriptionRole:
            return ChannelSpeech::EditorName(QString::fromStdString(table_.Cell(0, column)), row);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment_[column]);
        case Qt::BackgroundRole:
            if (highlighted_.count({row, column}) != 0) return QBrush(HighlightColor());
            return {};
        default:
            return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool horizontal = orientation == Qt::Horizontal;
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(horizontal ? table_.Cell(0, section + 1)
                                                     : table_.Cell(section + 1, 0));
        // A row header is read as "Channel N", its description the whole
        // channel in one phrase.
        case Qt::AccessibleTextRole:
            if (horizontal) return {};
            return ChannelSpeech::RowName(section + 1);
        case Qt::AccessibleDescriptionRole:
            if (horizontal) return {};
            return ChannelSpeech::Phrase(table_, section + 1, lang_);
        case Qt::ForegroundRole:
            return QBrush(fixedColor_);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment_[horizontal ? section + 1 : 0]);
        default:
            return {};
    }
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    // Cells are never edited in place: editors are laid over them.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ChannelGridModel::SetFixedTextColor(const QColor& color) {
    fixedColor_ = color;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void ChannelGridModel::SetColumnAlignment(int column, Qt::Alignment alignment) {
    alignment_[column] = alignment;
    if (column == 0) {
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    } else {
        emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
        emit dataChanged(index(0, column - 1), index(rowCount() - 1, column - 1),
                         {Qt::TextAlignmentRole});
    }
}

QColor ChannelGridModel::HighlightColor() {
    return QColor(255, 236, 140);  // light amber: readable under black text
}

void ChannelGridModel::SetHighlightedCells(CellSet cells) {
    if (cells == highlighted_) return;
    highlighted_ = std::move(cells);
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

void ChannelGridModel::Refresh() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

void ChannelGridModel::RefreshRow(int tableRow) {
    if (tableRow < 1 || tableRow >= kTableRows) return;
    emit dataChanged(index(tableRow - 1, 0), index(tableRow - 1, columnCount() - 1),
                     {Qt::DisplayRole});
}

}  // namespace qm530::editor
