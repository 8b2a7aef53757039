#pragma once

#include <QPointer>
#include <QUndoStack>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/edit_history.h"
#include "link/port_factory.h"
#include "link/transfer.h"
#include "link/transfer_setup.h"
#include "model/channel_table.h"
#include "model/status.h"
#include "print/print_layout.h"

namespace qm530::link {
class CComSetupDlg;
class CProcessDlg;
}  // namespace qm530::link

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530 {
class CProgramDoc;
struct CellBlock;
struct ChannelOrder;
}  // namespace qm530

namespace qm530::editor {

class CChannelEditor;

// The view of a document: the channel grid and the commands of the
// Program menu, Com Setup and printing (editor/program_view_commands.h). The main
// frame sends each of them to the view of the active document window
// through OnCommand.
//
// Only one transfer runs at a time (the application's transfer gate). While
// one runs (in any view): IsCommandEnabled is false for every view command
// of every view; the progress windows of the other views hold their OK back
// (UpdateProgressWindow, from the main frame's UpdateCommandUI), and a
// transfer request that still reaches a view is refused, leaving its
// progress window ready. The view tells the main frame when a transfer
// begins or ends (ShellEvents::CommandStateChanged), and what the caption
// is after the grid was filled (ShellEvents::CaptionChanged).
class CProgramView : public QWidget {
    Q_OBJECT
  public:
    CProgramView(CProgramDoc* doc, ui::AppContext& ctx, QWidget* parent = nullptr);
    ~CProgramView() override;

    CProgramDoc* GetDocument() const { return doc_; }
    ui::AppContext& Context() const { return ctx_; }

    // Called once the window exists, when the document is new or opened:
    // builds the grid's editors and layout the first time, sets the
    // document window's icon and fills the grid from the image.
    virtual void OnInitialUpdate();
    // The image into the grid, then the model and band brought in step
    // (caption, band limits, remembered choice).
    void ImageToGrid();
    // The grid back into the image (before save, write and Scan Info),
    // after committing an open cell editor.
    void GridToImage();
    // Validates and commits the open cell editor, if any.
    void CommitCellEdit();

    // Whether a view command (ids in ui/command_ids.h) is available now.
    bool IsCommandEnabled(int commandId) const;
    bool CanUndo() const;
    bool CanRedo() const;
    // Runs a view command; false when the view does not handle it.
    bool OnCommand(int commandId);

    std::string PortName = "COM1";
    link::TransferDirection TransferDirection = link::TransferDirection::kRead;
    std::int32_t BandLow = 0;
    std::int32_t BandHigh = 0;

    const ChannelTable& Table() const { return table_; }
    CChannelEditor* Editor() const { return editor_; }
    link::CProcessDlg* ProcessDlg() const;
    link::CComSetupDlg* ComSetupDlg() const;

    // Makes the port of each transfer for its device; without one, this
    // platform's serial port with the normal time limits.
    void SetPortFactory(link::PortFactory factory) { portFactory_ = std::move(factory); }
    // How the last transfer of this view ended.
    const link::TransferResult& LastTransfer() const { return lastTransfer_; }

    // Edits (program_view_edits.cpp). Every change that reaches the grid or the
    // image is one step of the document's undo stack; the document is
    // modified while it differs from the state last saved or opened.
    QUndoStack* UndoStack() const { return undoStack_; }
    // The document as it stands, the grid encoded into the image's records.
    DocState CurrentState() const;
    // Records the change since the last step as one step named after `what`
    // ("Rx frequency of channel 3"); nothing when nothing changed.
    bool NoteChange(const QString& what);
    // Save, Save As, Open and New: the state now is the saved one.
    void MarkSaved();
    // The channels of the selection (whole rows or cells), at least the
    // current one, ascending.
    std::vector<int> SelectedChannels() const;
    // The selected cells' bounding block, or the current cell.
    CellBlock SelectedBlock() const;

    bool TransferRunning() const { return transferRunning_; }
    // Holds the progress window's OK back while another view's transfer
    // runs, and gives it back once none runs.
    void UpdateProgressWindow();

  public slots:
    void OnRead();
    void OnWrite();
    void OnComSetup();
    void OnScanInfo();
    void OnFilePrint();
    void OnFilePrintPreview();
    // File > Import and File > Export (program_view_import.cpp): a CSV channel list
    // into the grid as one undo step, and the channels out to one.
    void OnImport();
    void OnExport();
    // File > Compare (program_view_compare.cpp): the document, as the grid shows it,
    // with a .dat file or with what a read from the radio brings (into an
    // image of its own; the document stays as it is). The differences are
    // listed in a dialog, and the grid cells that differ keep a highlight
    // background until the next change of the document or the next
    // comparison.
    void OnCompare();
    // The progress window's OK: runs the whole transfer, then closes the
    // progress window. Refused while another transfer runs.
    void RunTransfer();
    void OnUndo();
    void OnRedo();
    void OnCopy();
    void OnCut();
    void OnPaste();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnInsertChannel();
    void OnRemoveChannel();
    // The whole current channel in one phrase, where a screen reader reads it.
    void OnSpeakChannel();

  private:
    std::string OpenTraceFile(std::ofstream& file) const;
    // Before a write (program_view_backup.cpp): reads the radio into an
    // image of its own, which `setup` keeps as a backup, and names the step
    // in the progress window. When the read completed and its backup was
    // kept, the sentence that says where, and the write may follow;
    // otherwise nothing, and LastTransfer() tells how the write ended.
    std::optional<QString> BackUpBeforeWrite(link::TransferSetup setup,
                                             const std::string& tracePath);
    void PrepareTransfer(link::TransferDirection direction, const QString& title, int steps);
    // The model and band of the image, as a new document or a read sets them;
    // `fromImage`: the image's own bytes win even for a new document (undo).
    void ApplyModelAndBand(bool fromImage = false);
    void SetPortNameOfActiveView(const std::string& name);
    print::PrintData PrintDataNow() const;
    void ReportPrintFailure(const Status& status);
    void RestoreState(const DocState& state);
    void UpdateModified();
    void OnCellCommitted(int row, int column);
    void ApplyOrder(const ChannelOrder& order, const QString& what);
    void MoveSelection(int step);
    void ShowRefusal(const Status& status);
    void ShowFileMessage(const QString& text);
    void ShowGridMenu(const QPoint& position);
    void ShowComparison(const RadioImage& other, const QString& otherName);
    void ClearComparison();
    // Says how the transfer ended, followed by `addition` when not empty.
    void AnnounceTransferResult(const QString& addition = {});

    CProgramDoc* doc_;
    ui::AppContext& ctx_;
    ChannelTable table_;
    CChannelEditor* editor_ = nullptr;
    QPointer<link::CProcessDlg> processDlg_;
    QPointer<link::CComSetupDlg> comSetupDlg_;
    bool firstUpdate_ = true;
    bool transferRunning_ = false;
    bool compareRead_ = false;  // the progress window reads for File > Compare
    link::PortFactory portFactory_;
    link::TransferResult lastTransfer_;
    QUndoStack* undoStack_ = nullptr;
    DocState recorded_;  // the state after the last step
    DocState saved_;     // the state last saved or opened
};

}  // namespace qm530::editor
