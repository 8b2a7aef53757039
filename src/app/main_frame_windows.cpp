// The main frame's Window menu: Cascade, Tile and the open documents, so
// that every document window comes to the front from the keyboard.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/mdi_client.h"
#include "editor/program_view.h"
#include "model/program_doc.h"
#include "ui/command_ids.h"

namespace qm530::app {

// Cascade and Tile, then one item per document window in the order they
// were opened, numbered 1 to 9 (the number is the item's mnemonic); the
// active document's item is checked. Hidden windows are listed too: the
// item shows them again.
void CMainFrame::FillWindowMenu() {
    if (!window_) return;
    window_->clear();
    window_->addAction(actions_[ui::cmd::kWindowCascade]);
    window_->addAction(actions_[ui::cmd::kWindowTile]);
    const QList<CChildFrame*> frames = DocumentWindows();
    if (!frames.isEmpty()) window_->addSeparator();
    auto* group = new QActionGroup(window_);
    for (int i = 0; i < frames.size() && i < ui::cmd::kWindowDocuments; ++i) {
        CChildFrame* frame = frames[i];
        QString title = QString::fromStdString(frame->GetDocument()->Title());
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (frame->GetDocument()->IsModified()) title += QStringLiteral(" *");
        QAction* item = window_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        item->setObjectName(QStringLiteral("WindowDocument%1").arg(i + 1));
        item->setData(ui::cmd::kWindowFirstDocument + i);
        item->setCheckable(true);
        item->setChecked(frame == ActiveDocumentWindow());
        item->setActionGroup(group);
        item->setStatusTip(tr("Bring this document window to the front"));
        QPointer<CChildFrame> target = frame;
        connect(item, &QAction::triggered, this, [this, target] {
            if (target) BringToFront(target);
        });
    }
}

void CMainFrame::OnWindowCascade() {
    workspace_->cascadeSubWindows();
}

void CMainFrame::OnWindowTile() {
    workspace_->tileSubWindows();
}

void CMainFrame::BringToFront(CChildFrame* frame) {
    if (!frame) return;
    frame->showNormal();
    workspace_->setActiveSubWindow(frame);
    active_ = frame;
    if (editor::CProgramView* view = frame->GetView()) view->setFocus(Qt::OtherFocusReason);
    UpdateCommandUI();
}

}  // namespace qm530::app
