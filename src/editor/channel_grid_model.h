#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <array>
#include <set>
#include <utility>

#include "model/channel_table.h"
#include "model/language.h"

namespace qm530::editor {

// The channel table as an item model: the 16 x 8 channel cells are the
// items, row 0 and column 0 of the table are the header texts. The table
// stays the one place where the texts live; Refresh tells the view after a
// change.
class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ChannelGridModel(ChannelTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The language of the table's words, for what a screen reader says.
    void SetLanguage(UiLanguage lang) { lang_ = lang; }

    // Text colour of the fixed cells (header row and label column).
    void SetFixedTextColor(const QColor& color);
    QColor FixedTextColor() const { return fixedColor_; }
    // Alignment of a table column (0 to 8), fixed cells included.
    void SetColumnAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment ColumnAlignment(int column) const { return alignment_[column]; }

    // Cells shown on the highlight background (File > Compare marks the
    // cells that differ), as table rows and columns 1 to 16 and 1 to 8.
    // An empty set takes every highlight away.
    using CellSet = std::set<std::pair<int, int>>;
    void SetHighlightedCells(CellSet cells);
    const CellSet& HighlightedCells() const { return highlighted_; }
    static QColor HighlightColor();

    // The view shows the table's texts again: all of them, or one table row.
    void Refresh();
    void RefreshRow(int tableRow);

  private:
    ChannelTable& table_;
    QColor fixedColor_{Qt::black};
    std::array<Qt::Alignment, kTableCols> alignment_;
    CellSet highlighted_;
    UiLanguage lang_ = UiLanguage::English;
};

}  // namespace qm530::editor
