// The view's edits: undo and redo, the modified state, the clipboard and
// the order of the channels.
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMenu>
#include <algorithm>
#include <set>

#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/channel_grid_model.h"
#include "editor/program_view.h"
#include "editor/program_view_commands.h"
#include "model/channel_records.h"
#include "model/program_doc.h"
#include "model/tsv_block.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/command_table.h"
#include "ui/ui_services.h"

namespace qm530::editor {

DocState CProgramView::CurrentState() const {
    DocState state{doc_->Image, table_};
    qm530::GridToImage(table_, state.image);
    return state;
}

bool CProgramView::NoteChange(const QString& what) {
    DocState now = CurrentState();
    if (now == recorded_) return false;
    DocState before = std::move(recorded_);
    recorded_ = now;
    undoStack_->push(new SnapshotStep(what, std::move(before), std::move(now),
                                      [this](const DocState& state) { RestoreState(state); }));
    UpdateModified();
    return true;
}

void CProgramView::MarkSaved() {
    recorded_ = CurrentState();
    saved_ = recorded_;
    UpdateModified();
}

void CProgramView::UpdateModified() {
    const bool modified = !(recorded_ == saved_);
    if (modified == doc_->IsModified()) return;
    doc_->SetModifiedFlag(modified);
    emit ctx_.events.ModifiedChanged();
}

// Undo and redo put back the image and the texts exactly as they were; the
// model and band follow the image again (caption and band limits).
void CProgramView::RestoreState(const DocState& state) {
    editor_->HideCellEditors();
    doc_->Image = state.image;
    table_ = state.table;
    editor_->TableRefilled();
    editor_->Grid()->Refresh();
    ApplyModelAndBand(true);
    recorded_ = CurrentState();
    UpdateModified();
}

void CProgramView::OnCellCommitted(int row, int column) {
    const QString name = QString::fromStdString(table_.Cell(0, column));
    NoteChange(tr("%1 of channel %2").arg(name).arg(row));
}

void CProgramView::OnUndo() {
    editor_->HideCellEditors();
    if (undoStack_->canUndo()) undoStack_->undo();
}

void CProgramView::OnRedo() {
    editor_->HideCellEditors();
    if (undoStack_->canRedo()) undoStack_->redo();
}

std::vector<int> CProgramView::SelectedChannels() const {
    std::set<int> rows;
    for (const QModelIndex& index : editor_->Grid()->selectionModel()->selectedIndexes())
        rows.insert(index.row() + 1);
    rows.insert(editor_->Grid()->Row());
    return {rows.begin(), rows.end()};
}

CellBlock CProgramView::SelectedBlock() const {
    const CChannelGrid* grid = editor_->Grid();
    CellBlock block{grid->Row(), grid->Col(), grid->Row(), grid->Col()};
    const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
    if (selected.size() < 2) return block;
    block = {kChannelCount, kTableCols - 1, 1, 1};
    for (const QModelIndex& index : selected) {
        block.top = std::min(block.top, index.row() + 1);
        block.bottom = std::max(block.bottom, index.row() + 1);
        block.left = std::min(block.left, index.column() + 1);
        block.right = std::max(block.right, index.column() + 1);
    }
    return block;
}

void CProgramView::OnCopy() {
    CommitCellEdit();
    QApplication::clipboard()->setText(QString::fromStdString(FormatTsv(table_, SelectedBlock())));
}

void CProgramView::OnCut() {
    OnCopy();
    OnDelete();
}

// The clipboard's block lands with its first cell on the current cell, each
// cell through the commit rules; refused cells keep their text and are
// listed in one message.
void CProgramView::OnPaste() {
    CommitCellEdit();
    const std::string text = QApplication::clipboard()->text().toStdString();
    if (text.empty()) return;
    const CChannelGrid* grid = editor_->Grid();
    const PastePlan plan = PlanPaste(table_, text, grid->Row(), grid->Col(),
                                     BandLimits{BandLow, BandHigh}, ctx_.UiLanguage);
    editor_->HideCellEditors();
    table_ = plan.result;
    editor_->TableRefilled();
    editor_->Grid()->Refresh();
    NoteChange(tr("paste"));
    if (plan.refusals.empty() && plan.outside == 0) return;
    QString message = tr("Some cells were not pasted:");
    for (const CellRefusal& refusal : plan.refusals) {
        message += QStringLiteral("\n") + QString::fromStdString(refusal.cell) +
                   QStringLiteral(": ") + QString::fromStdString(refusal.reason);
    }
    if (plan.outside > 0) {
        message += QStringLiteral("\n") +
                   tr("%1 cells lie outside the grid and were left out.").arg(plan.outside);
    }
    ctx_.services.MessageBox(this, message, QString::fromStdString(ctx_.ApplicationName),
                             ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
}

void CProgramView::ShowRefusal(const Status& status) {
    ctx_.services.MessageBox(this, QString::fromStdString(status.detail()),
                             QString::fromStdString(ctx_.ApplicationName), ui::MsgButtons::Ok,
                             ui::MsgIcon::Exclamation);
}

// The grid goes into the image first, so that the records carry what the
// grid shows; then records, scan-add bits and texts move together.
void CProgramView::ApplyOrder(const ChannelOrder& order, const QString& what) {
    GridToImage();
    editor_->HideCellEditors();
    ApplyChannelOrder(order, doc_->Image);
    ApplyChannelOrder(order, table_);
    editor_->TableRefilled();
    editor_->Grid()->Refresh();
    NoteChange(what);
}

void CProgramView::OnDelete() {
    const Result<ChannelOrder> order = PlanClear(SelectedChannels(), ctx_.UiLanguage);
    if (!order) return ShowRefusal(order.status());
    ApplyOrder(*order, tr("delete"));
}

// The selected channels move one place; the channel next to them takes the
// freed place, and the selection follows.
void CProgramView::MoveSelection(int step) {
    const std::vector<int> channels = SelectedChannels();
    const int first = channels.front();
    const int last = channels.back();
    const int neighbour = step < 0 ? first - 1 : last + 1;
    if (neighbour < 1 || neighbour > kChannelCount) return;
    const Result<ChannelOrder> order =
        PlanMove(neighbour, step < 0 ? last : first, ctx_.UiLanguage);
    if (!order) return ShowRefusal(order.status());
    ApplyOrder(*order, step < 0 ? tr("move up") : tr("move down"));
    CChannelGrid* grid = editor_->Grid();
    const int column = grid->Col();
    grid->SetCurrentCell(grid->Row() + step, column);
    QItemSelection selection(grid->Model()->index(first - 1 + step, 0),
                             grid->Model()->index(last - 1 + step, kTableCols - 2));
    grid->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CProgramView::OnMoveUp() {
    MoveSelection(-1);
}

void CProgramView::OnMoveDown() {
    MoveSelection(1);
}

void CProgramView::OnInsertChannel() {
    GridToImage();
    const Result<ChannelOrder> order =
        PlanInsert(doc_->Image, editor_->Grid()->Row(), ctx_.UiLanguage);
    if (!order) return ShowRefusal(order.status());
    ApplyOrder(*order, tr("insert channel"));
}

void CProgramView::OnRemoveChannel() {
    const Result<ChannelOrder> order = PlanRemove(editor_->Grid()->Row(), ctx_.UiLanguage);
    if (!order) return ShowRefusal(order.status());
    ApplyOrder(*order, tr("remove channel"));
}

// The grid's context menu: the Edit menu's channel commands.
void CProgramView::ShowGridMenu(const QPoint& position) {
    QMenu menu(this);
    for (int id :
         {ui::cmd::kEditCut, ui::cmd::kEditCopy, ui::cmd::kEditPaste, ui::cmd::kEditClear, 0,
          ui::cmd::kMoveUp, ui::cmd::kMoveDown, ui::cmd::kInsertChannel, ui::cmd::kRemoveChannel}) {
        if (id == 0) {
            menu.addSeparator();
            continue;
        }
        const ui::CommandDef<CProgramView>* command = ui::FindCommand(ViewCommands(), id);
        QAction* action = menu.addAction(ui::CommandText(command->text));
        action->setShortcut(QKeySequence(command->shortcut));
        action->setEnabled(IsCommandEnabled(id));
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    menu.exec(editor_->Grid()->viewport()->mapToGlobal(position));
}

}  // namespace qm530::editor
