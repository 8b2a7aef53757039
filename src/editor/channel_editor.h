#pragma once

#include <QWidget>

class QKeyEvent;
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/band.h"
#include "model/channel_table.h"

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::editor {

class CellEditors;
class CChannelGrid;

// The channel grid with its cell editors: the form of the channel view.
// A cell is edited through the editor of its column laid over it; leaving
// the cell or pressing Enter validates the editor's text against the band
// and the channel raster and writes it into the table (cell_commit.h).
class CChannelEditor : public QWidget {
    Q_OBJECT
  public:
    // Fixed-cell text colour: red 0x00, green 0x32, blue 0xF0.
    static constexpr unsigned kFixedTextRgb = 0x0032F0;

    // `band` gives the limits a typed frequency must keep.
    CChannelEditor(ui::AppContext& ctx, ChannelTable& table, std::function<BandLimits()> band,
                   QWidget* parent = nullptr);
    ~CChannelEditor() override;

    CChannelGrid* Grid() const { return grid_; }
    // The editors exist from the first update on.
    CellEditors* Editors() const { return editors_.get(); }
    const std::vector<std::string>& ToneTable() const { return toneTable_; }

    // The first update of the form: tone table, fixed-cell colour, the eight
    // editors with their lists, header row, row labels, alignment, column
    // widths. Later calls do nothing.
    void FirstUpdate();
    // The table was refilled: any open editor is closed without committing.
    void TableRefilled();

    // Opens the editor of the current column over the current cell.
    void OnEnterCell();
    void OnMouseDown();
    void ShowCellEditor();
    // Validates and commits the open editor of the current cell. Returns
    // true when a validation message was shown. Does nothing when that
    // editor is not open.
    bool CommitCellEdit();
    // Closes every editor without committing.
    void HideCellEditors();

    QSize sizeHint() const override;

  signals:
    // An open editor's text went through the commit rules into the table
    // (the table may or may not have changed).
    void CellCommitted(int row, int column);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OpenEditor();
    void OnEnterKey();
    bool KeyForTheDocument(QObject* watched, const QKeyEvent& key) const;

    ui::AppContext& ctx_;
    ChannelTable& table_;
    std::function<BandLimits()> band_;
    CChannelGrid* grid_;
    std::unique_ptr<CellEditors> editors_;
    std::vector<std::string> toneTable_;
    // The cell the open editor was laid over, and the text it was given
    // there: a commit writes only into that cell, and only what was typed.
    int editRow_ = 0;
    int editCol_ = 0;
    QString loadedText_;
};

// The font of the channel view: "Times New Roman" 9 pt, or the closest
// serif face present.
QFont ChannelViewFont();

}  // namespace qm530::editor
