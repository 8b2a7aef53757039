#include "app/child_frame.h"

#include <QCloseEvent>
#include <QMenu>

#include "editor/program_view.h"
#include "model/program_doc.h"
#include "sim/in_process_radio.h"
#include "ui/app_context.h"

namespace qm530::app {

CChildFrame::CChildFrame(ui::AppContext& ctx, std::unique_ptr<CProgramDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), ctx_(ctx), doc_(std::move(doc)) {
    setAttribute(Qt::WA_DeleteOnClose);
    view_ = new editor::CProgramView(doc_.get(), ctx, this);
    // Transfers reach the in-process virtual radio by its port name too.
    view_->SetPortFactory(sim::MakePort);
    setWidget(view_);
    setWindowTitle(QString::fromStdString(doc_->Title()));
    // The window menu's Close would also take Ctrl+W, the Write key of the
    // main window, and then neither would run: it keeps Ctrl+F4 alone.
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions()) {
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W))) {
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
            }
        }
    }
}

CChildFrame::~CChildFrame() {
    // The view refers to the document: it goes first.
    delete view_;
    view_ = nullptr;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit HideRequested(this);
}

}  // namespace qm530::app
