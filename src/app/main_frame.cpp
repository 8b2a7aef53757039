#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include "app/about_dlg.h"
#include "app/child_frame.h"
#include "app/language_pack.h"
#include "app/lock_keys.h"
#include "app/lock_panes.h"
#include "app/mdi_client.h"
#include "app/navigation_bar.h"
#include "app/print_setup_dlg.h"
#include "editor/program_view.h"
#include "editor/program_view_commands.h"
#include "model/program_doc.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/command_state.h"
#include "ui/f1_help.h"
#include "ui/ui_services.h"

namespace qm530::app {

CMainFrame::CMainFrame(ui::AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("MainFrame"));
    // The caption is WindowTitle alone; document names never join it.
    resize(1000, 600);
    connect(&ctx_.events, &ui::ShellEvents::CaptionChanged, this,
            [this](const QString& title) { SetWindowTitleText(title.toStdString()); });
    connect(&ctx_.events, &ui::ShellEvents::CommandStateChanged, this,
            &CMainFrame::UpdateCommandUI);
    connect(&ctx_.events, &ui::ShellEvents::ModifiedChanged, this,
            &CMainFrame::UpdateModifiedMarks);
    ctx_.activeView = [this]() -> QWidget* { return ActiveView(); };
}

CMainFrame::~CMainFrame() {
    ctx_.activeView = nullptr;
    // Views refer to their documents and to the context: take the document
    // windows down before the rest of the frame.
    for (CChildFrame* frame : DocumentWindows()) delete frame;
}

bool CMainFrame::Create() {
    workspace_ = new CMdiClientWnd(ctx_.ProgramFolder("background.bmp"), this);
    setCentralWidget(workspace_);
    workspace_->setAccessibleName(tr("Documents"));
    connect(workspace_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    CreateActions();
    CreateToolBar();
    CreateStatusBar();
    if (!CreateNavigationBar()) return false;
    CreateMenus();
    ui::InstallF1Help(this, ctx_);
    SetWindowTitleText(ctx_.WindowTitle);
    UpdateCommandUI();
    return toolBar_ != nullptr && statusBar() != nullptr && workspace_ != nullptr;
}

void CMainFrame::OnNavigationItem(int area) {
    if (ctx_.transfers.Running() && area != CNavigationBar::ChannelInformation) return;
    switch (area) {
        case CNavigationBar::ProductInformation:
            ShowProductInfo();
            break;
        case CNavigationBar::ChannelInformation:
            OnChannelInfo();
            break;
        case CNavigationBar::OptionalFeatures:
            ShowOptionalFeatures();
            break;
        case CNavigationBar::SideKey:
            ShowSideKey();
            break;
        default:
            break;
    }
}

QAction* CMainFrame::Action(int commandId) const {
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

bool CMainFrame::DocumentMenuShown() const {
    return edit_ && edit_->menuAction()->isVisible();
}

QList<QMenu*> CMainFrame::ShownMenus() const {
    QList<QMenu*> shown;
    for (QAction* action : menuBar()->actions()) {
        if (action->isVisible() && action->menu()) shown.push_back(action->menu());
    }
    return shown;
}

// What the commands depend on now.
ui::ShellState CMainFrame::State() const {
    ui::ShellState state;
    state.documentWindows = !DocumentWindows().isEmpty();
    state.activeDocument = ActiveDocumentWindow() != nullptr;
    editor::CProgramView* view = ActiveView();
    state.activeView = view != nullptr;
    state.transferRunning = ctx_.transfers.Running();
    state.dataFolder = !ctx_.UserDataDir.empty();
    state.canUndo = view && view->CanUndo();
    state.canRedo = view && view->CanRedo();
    return state;
}

void CMainFrame::UpdateCommandUI() {
    if (!edit_) return;
    const ui::ShellState state = State();
    const bool documents = ui::DocumentMenusShown(state);
    for (QMenu* m : {edit_, program_, setup_, window_}) m->menuAction()->setVisible(documents);
    if (documents != filledForDocuments_) FillFileAndHelp(documents);

    for (auto& [id, action] : actions_) action->setEnabled(ui::CommandEnabled(id, false, state));
    for (const ui::CommandDef<editor::CProgramView>& command : editor::ViewCommands())
        actions_[command.id]->setEnabled(ui::CommandEnabled(command.id, true, state));
    actions_[ui::cmd::kControlBar]->setChecked(navigationDock_ && !navigationDock_->isHidden());
    actions_[ui::cmd::kViewToolbar]->setChecked(toolBar_ && !toolBar_->isHidden());
    actions_[ui::cmd::kViewStatusBar]->setChecked(!statusBar()->isHidden());
    actions_[ui::cmd::kTransferTrace]->setChecked(ctx_.TransferTrace());
    actions_[ui::cmd::kBackupBeforeWrite]->setChecked(ctx_.BackupBeforeWrite());
    for (QAction* recent : recentFiles_)
        recent->setEnabled(ui::CommandEnabled(ui::cmd::kFileRecent1, false, state));
    UpdateEditCommands();
    UpdateModifiedMarks();
    // A waiting progress window must not start a second transfer.
    for (CChildFrame* frame : DocumentWindows()) {
        if (editor::CProgramView* documentView = frame->GetView())
            documentView->UpdateProgressWindow();
    }
}

void CMainFrame::OnControlBar() {
    navigationDock_->setVisible(navigationDock_->isHidden());
    UpdateCommandUI();
}

void CMainFrame::SetWindowTitleText(const std::string& title) {
    ctx_.WindowTitle = title;
    setWindowTitle(CaptionText());
}

void CMainFrame::WinHelp(int contextNumber) {
    ctx_.help.ShowHelpTopic(contextNumber);
}

QPrinter& CMainFrame::Printer() {
    return ctx_.Printer();
}

void CMainFrame::OnFilePrintSetup() {
    CPrintSetupDlg dialog(ctx_, Printer(), QPrinterInfo::availablePrinterNames(), this);
    ctx_.services.ExecDialog(dialog);
}

void CMainFrame::OnAppAbout() {
    CAboutDlg about(ctx_, this);
    ctx_.services.ExecDialog(about);
}

void CMainFrame::RouteToView(int commandId) {
    if (editor::CProgramView* view = ActiveView()) {
        if (view->IsCommandEnabled(commandId)) view->OnCommand(commandId);
    }
}

void CMainFrame::MoveFocusToPane(int step) {
    QList<QWidget*> panes;
    if (navigationDock_->isVisible()) panes.push_back(navigationBar_->Tree());
    if (CChildFrame* frame = ActiveDocumentWindow(); frame && frame->isVisible())
        panes.push_back(frame->GetView());
    if (panes.isEmpty()) return;
    int current = -1;
    for (int i = 0; i < panes.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && (focus == panes[i] || panes[i]->isAncestorOf(focus))) current = i;
    }
    const int next =
        ((current < 0 ? 0 : current + step) % panes.size() + panes.size()) % panes.size();
    panes[next]->setFocus(Qt::OtherFocusReason);
}

// A maximized document window would add its title to the caption: the
// caption stays WindowTitle.
void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange && windowTitle() != CaptionText()) {
        setWindowTitle(CaptionText());
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A transfer keeps its view, document and progress window to its end.
    if (ctx_.transfers.Running()) {
        event->ignore();
        return;
    }
    // Each modified document is asked about once; Cancel keeps the program.
    if (!AskToSaveAll()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // F1 on a highlighted menu item asks for the topic of its command. The
    // shortcut override keeps the frame's own F1 (the focused control's
    // topic) from taking the key first.
    const bool press = event->type() == QEvent::KeyPress;
    if ((press || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            if (QAction* action = menu->activeAction(); action && action->data().isValid()) {
                event->accept();
                if (press) WinHelp(action->data().toInt());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace qm530::app
