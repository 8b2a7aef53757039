#pragma once

#include <QTableView>
#include <string>

#include "model/channel_table.h"

namespace qm530::editor {

class ChannelGridModel;

// The channel grid (control 1000): a spreadsheet of text cells with one
// fixed header row and one fixed label column, addressed like the table it
// shows, row 0 and column 0 being the fixed ones. The current cell is one of
// the channel cells (Row 1-16, Col 1-8). The grid reports
//  - LeaveCell just before the current cell changes (Row and Col still name
//    the cell being left),
//  - EnterCell right after it changed,
//  - MouseDown after a mouse button went down anywhere on the grid (the
//    current cell has changed already when the click moved it),
//  - Scroll when its contents scrolled.
// Its cells are never edited in place. Clicking a channel number selects the
// channel's row; Shift and Ctrl extend the selection.
class CChannelGrid : public QTableView {
    Q_OBJECT
  public:
    // Width of column 0 as the form stores it, in pixels; the other widths
    // follow from it at the first update.
    static constexpr int kStoredColumn0Width = 72;
    static constexpr int kRowHeight = 20;

    explicit CChannelGrid(ChannelTable& table, QWidget* parent = nullptr);

    ChannelGridModel* Model() const { return model_; }

    int Rows() const { return kTableRows; }
    int Cols() const { return kTableCols; }
    int Row() const { return row_; }
    int Col() const { return col_; }
    // Makes a channel cell the current one, reporting LeaveCell and
    // EnterCell when that changes the current cell.
    void SetCurrentCell(int row, int column);

    // Text of the current cell and of any cell.
    const std::string& Text() const { return TextMatrix(row_, col_); }
    void SetText(const std::string& text) { SetTextMatrix(row_, col_, text); }
    const std::string& TextMatrix(int row, int column) const { return table_.Cell(row, column); }
    void SetTextMatrix(int row, int column, const std::string& text);

    // The current cell's rectangle in the coordinates of viewport().
    QRect CellRect() const;

    int ColWidth(int column) const;
    void SetColWidth(int column, int width);
    void SetColAlignment(int column, Qt::Alignment alignment);
    void SetForeColorFixed(const QColor& color);

    // Shows the table's texts again after it was changed directly.
    void Refresh();
    void RefreshRow(int row);

  signals:
    void EnterCell();
    void LeaveCell();
    void MouseDown();
    void Scroll();

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void PaintCorner();

    ChannelTable& table_;
    ChannelGridModel* model_;
    QWidget* corner_ = nullptr;  // cell (0, 0)
    int row_ = 1;
    int col_ = 1;
    int column0Width_ = kStoredColumn0Width;
};

}  // namespace qm530::editor
