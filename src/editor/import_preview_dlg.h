#pragma once

#include <QDialog>

#include "model/band.h"
#include "model/channel_import.h"
#include "model/channel_list.h"
#include "model/channel_table.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::editor {

// File > Import's preview: what importing a channel list into the grid
// would do, row by row, before anything changes. The choices (by location
// or renumbered from a start channel, clear the channels the list does not
// name) plan the import again at once. OK accepts the plan shown; the
// caller applies it.
class CImportPreviewDlg : public QDialog {
    Q_OBJECT
  public:
    // The table's columns: the row's line and channel, what happens, then
    // the grid's columns Rx to W/N as the grid shows them, "old → new" in a
    // cell that changes.
    enum Column { LineColumn, ChannelColumn, ChangeColumn, FirstGridColumn };
    static constexpr int kColumnCount = FirstGridColumn + kTableCols - 1;
    // The text of grid column `column` (1-8) of an entry in the table.
    static QString CellText(const ImportEntry& entry, int column);

    CImportPreviewDlg(ui::AppContext& ctx, const ChannelList& list, const ChannelTable& table,
                      const BandLimits& band, QWidget* parent = nullptr);

    const ImportPlan& Plan() const { return plan_; }
    ImportChoices Choices() const;
    QTableWidget* Rows() const { return rows_; }

  private:
    void Replan();
    void FillRows();
    QString ChangeText(const ImportEntry& entry) const;
    void ShowDetail();
    QString SummaryText() const;

    ui::AppContext& ctx_;
    const ChannelList& list_;
    const ChannelTable& table_;
    BandLimits band_;
    ImportPlan plan_;
    QRadioButton* byLocation_ = nullptr;
    QRadioButton* renumber_ = nullptr;
    QSpinBox* start_ = nullptr;
    QCheckBox* clearOthers_ = nullptr;
    QTableWidget* rows_ = nullptr;
    QLabel* detail_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace qm530::editor
