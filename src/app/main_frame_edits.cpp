// The main frame's side of editing: the Edit menu's undo texts, the `*` of
// modified documents in the captions, and the question whether to save a
// modified document before it is lost.
#include <QAction>
#include <QDir>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "editor/program_view.h"
#include "model/program_doc.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/command_table.h"
#include "ui/ui_services.h"

namespace qm530::app {

// "Undo Rx Frequency of channel 3" while there is a step to undo, the plain
// command text otherwise.
void CMainFrame::UpdateEditCommands() {
    editor::CProgramView* view = ActiveView();
    const QUndoStack* stack = view ? view->UndoStack() : nullptr;
    const struct {
        int id;
        const char* plain;
        QString withStep;
        QString step;
    } items[] = {
        {ui::cmd::kEditUndo, "&Undo", tr("&Undo %1"), stack ? stack->undoText() : QString()},
        {ui::cmd::kEditRedo, "&Redo", tr("&Redo %1"), stack ? stack->redoText() : QString()},
    };
    for (const auto& item : items) {
        QAction* action = Action(item.id);
        if (!action) continue;
        action->setText(item.step.isEmpty() ? ui::CommandText(item.plain)
                                            : item.withStep.arg(item.step));
    }
}

QString CMainFrame::CaptionText() const {
    QString caption = QString::fromStdString(ctx_.WindowTitle);
    if (CProgramDoc* doc = ActiveDocument(); doc && doc->IsModified())
        caption += QStringLiteral(" *");
    return caption;
}

// A modified document's window title and the main caption carry a `*`.
void CMainFrame::UpdateModifiedMarks() {
    for (CChildFrame* frame : DocumentWindows()) {
        const CProgramDoc* doc = frame->GetDocument();
        QString title = QString::fromStdString(doc->Title());
        if (doc->IsModified()) title += QStringLiteral(" *");
        if (frame->windowTitle() != title) frame->setWindowTitle(title);
    }
    if (windowTitle() != CaptionText()) setWindowTitle(CaptionText());
}

// "Save changes to NAME?" with Save (Yes), Discard (No) and Cancel. True
// when the document may go: it was saved, discarded, or not modified.
bool CMainFrame::AskToSave(CChildFrame* frame) {
    if (!frame || !frame->GetDocument()->IsModified()) return true;
    const QString name = QString::fromStdString(frame->GetDocument()->Title());
    const QString text = tr("Save changes to %1?").arg(name);
    const ui::MsgResult answer =
        ctx_.services.MessageBox(this, text, QString::fromStdString(ctx_.ApplicationName),
                                 ui::MsgButtons::SaveDiscardCancel, ui::MsgIcon::Exclamation);
    if (answer == ui::MsgResult::No) return true;
    if (answer != ui::MsgResult::Yes) return false;
    // Save goes to the document asked about.
    QPointer<CChildFrame> previous = active_;
    active_ = frame;
    const bool saved = OnFileSave();
    if (previous) active_ = previous;
    UpdateModifiedMarks();
    return saved;
}

bool CMainFrame::AskToSaveAll() {
    for (CChildFrame* frame : DocumentWindows()) {
        if (!AskToSave(frame)) return false;
    }
    return true;
}

// A settings dialog's OK that changed a byte is one undo step, named after
// the dialog.
void CMainFrame::NoteDialogEdit(const QString& step) {
    if (editor::CProgramView* view = ActiveView()) view->NoteChange(step);
}

}  // namespace qm530::app
