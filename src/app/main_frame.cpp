#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include "app/about_dlg.h"
#include "app/app_context.h"
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/f1_help.h"
#include "app/language_pack.h"
#include "app/mdi_client.h"
#include "app/navigation_bar.h"
#include "app/program_doc.h"
#include "app/ui_services.h"
#include "editor/program_view.h"

namespace qm530 {

namespace {

// The commands the active view handles.
constexpr int kViewCommands[] = {
    cmd::kRead,     cmd::kWrite,     cmd::kComSetup,        cmd::kScanInfo,
    cmd::kLanguage, cmd::kFilePrint, cmd::kFilePrintDirect, cmd::kFilePrintPreview};

bool IsViewCommand(int id) {
    for (int c : kViewCommands) {
        if (c == id) return true;
    }
    return false;
}

}  // namespace

CMainFrame::CMainFrame(AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("MainFrame"));
    // The caption is WindowTitle alone; document names never join it.
    resize(1000, 600);
}

CMainFrame::~CMainFrame() {
    if (ctx_.mainFrame == this) ctx_.mainFrame = nullptr;
    // Views refer to their documents and to the context: take the document
    // windows down before the rest of the frame.
    for (CChildFrame* frame : DocumentWindows()) delete frame;
}

bool CMainFrame::Create() {
    workspace_ = new CMdiClientWnd(ctx_.ProgramFolder("background.bmp"), this);
    setCentralWidget(workspace_);
    connect(workspace_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    CreateActions();
    CreateToolBar();
    CreateStatusBar();
    if (!CreateNavigationBar()) return false;
    CreateMenus();
    InstallF1Help(this, ctx_);
    SetWindowTitleText(ctx_.WindowTitle);
    UpdateCommandUI();
    return toolBar_ != nullptr && statusBar() != nullptr && workspace_ != nullptr;
}

QAction* CMainFrame::AddAction(int id, const QString& text, const QString& prompt) {
    auto* action = new QAction(text, this);
    action->setData(id);
    const int newline = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(newline < 0 ? prompt : prompt.left(newline));
    action->setToolTip(newline < 0 ? text : prompt.mid(newline + 1));
    actions_[id] = action;
    if (IsViewCommand(id))
        connect(action, &QAction::triggered, this, [this, id] { RouteToView(id); });
    return action;
}

void CMainFrame::CreateActions() {
    auto connectTo = [this](int id, void (CMainFrame::*slot)()) {
        connect(actions_[id], &QAction::triggered, this, slot);
    };
    AddAction(cmd::kFileNew, tr("&New"), tr("Create a new document\nNew"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connectTo(cmd::kFileNew, &CMainFrame::OnFileNew);
    AddAction(cmd::kFileOpen, tr("&Open..."), tr("Open an existing document\nOpen"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connectTo(cmd::kFileOpen, &CMainFrame::OnFileOpen);
    AddAction(cmd::kFileClose, tr("&Close"), tr("Close the active document\nClose"));
    connectTo(cmd::kFileClose, &CMainFrame::OnFileClose);
    AddAction(cmd::kFileSave, tr("&Save"), tr("Save the active document\nSave"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(actions_[cmd::kFileSave], &QAction::triggered, this, [this] { OnFileSave(); });
    AddAction(cmd::kFileSaveAs, tr("Save &As..."),
              tr("Save the active document with a new name\nSave As"));
    connect(actions_[cmd::kFileSaveAs], &QAction::triggered, this, [this] { OnFileSaveAs(); });
    AddAction(cmd::kFilePrint, tr("&Print..."), tr("Print the active document\nPrint"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    AddAction(cmd::kFilePrintDirect, tr("Print"), tr("Print the active document\nPrint"));
    AddAction(cmd::kFilePrintPreview, tr("Print Pre&view"),
              tr("Display full pages\nPrint Preview"));
    AddAction(cmd::kFilePrintSetup, tr("P&rint Setup..."),
              tr("Change the printer and printing options\nPrint Setup"));
    connectTo(cmd::kFilePrintSetup, &CMainFrame::OnFilePrintSetup);
    AddAction(cmd::kAppExit, tr("E&xit"), tr("Quit the application\nExit"));
    connect(actions_[cmd::kAppExit], &QAction::triggered, this, &QWidget::close);

    AddAction(cmd::kChannelInfo, tr("&Channel Information"),
              tr("Show the channel window of the active document\nChannel Information"));
    connectTo(cmd::kChannelInfo, &CMainFrame::OnChannelInfo);
    AddAction(cmd::kProductInfo, tr("&Product Information"),
              tr("Choose the radio type and the frequency band\nProduct Information"));
    connectTo(cmd::kProductInfo, &CMainFrame::ShowProductInfo);
    AddAction(cmd::kOptionalFeatures, tr("&Optional Features"),
              tr("Edit the optional features of the radio\nOptional Features"));
    connectTo(cmd::kOptionalFeatures, &CMainFrame::ShowOptionalFeatures);
    AddAction(cmd::kSideKey, tr("Side &Key"),
              tr("Assign the functions of the side keys\nSide Key"));
    connectTo(cmd::kSideKey, &CMainFrame::ShowSideKey);

    AddAction(cmd::kRead, tr("&Read"), tr("Read Data From Radio\nRead"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    AddAction(cmd::kWrite, tr("&Write"), tr("Write Data To Radio\nWrite"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    AddAction(cmd::kScanInfo, tr("&Scan Info"), tr("Edit the scan information\nScan Info"));

    AddAction(cmd::kViewToolbar, tr("&Toolbar"), tr("Show or hide the toolbar\nToggle ToolBar"))
        ->setCheckable(true);
    AddAction(cmd::kViewStatusBar, tr("&Status Bar"),
              tr("Show or hide the status bar\nToggle StatusBar"))
        ->setCheckable(true);
    AddAction(cmd::kControlBar, tr("&Control Bar"),
              tr("Show or hide the navigation bar\nControl Bar"))
        ->setCheckable(true);
    connectTo(cmd::kControlBar, &CMainFrame::OnControlBar);

    AddAction(cmd::kComSetup, tr("&Com Setup"),
              tr("Choose the serial port of the cable\nCom Setup"));
    AddAction(cmd::kLanguage, tr("&Language"), tr("Choose the language of the program\nLanguage"));

    AddAction(cmd::kAppAbout, tr("&About Program..."),
              tr("Display program information, version number and copyright\nAbout"));
    connectTo(cmd::kAppAbout, &CMainFrame::OnAppAbout);
    AddAction(cmd::kHelp, tr("Help"), tr("Display help for the current task or command\nHelp"));

    // Keys without a menu item.
    AddAction(cmd::kNextPane, tr("Next Pane"), tr("Switch to the next window pane\nNext Pane"))
        ->setShortcut(QKeySequence(Qt::Key_F6));
    connect(actions_[cmd::kNextPane], &QAction::triggered, this, [this] { MoveFocusToPane(1); });
    AddAction(cmd::kPrevPane, tr("Previous Pane"),
              tr("Switch back to the previous window pane\nPrevious Pane"))
        ->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    connect(actions_[cmd::kPrevPane], &QAction::triggered, this, [this] { MoveFocusToPane(-1); });
    addAction(actions_[cmd::kNextPane]);
    addAction(actions_[cmd::kPrevPane]);
    for (auto& [id, action] : actions_) {
        connect(action, &QAction::hovered, this, [this, action] {
            if (messagePane_) messagePane_->setText(action->statusTip());
        });
    }
}

void CMainFrame::CreateMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [this, bar](const QString& title) {
        QMenu* m = bar->addMenu(title);
        m->installEventFilter(this);
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        return m;
    };
    fileShort_ = menu(tr("&File"));
    fileShort_->setObjectName(QStringLiteral("FileShort"));
    fileShort_->addAction(actions_[cmd::kFileNew]);
    fileShort_->addAction(actions_[cmd::kFileOpen]);
    fileShort_->addSeparator();
    fileShort_->addAction(actions_[cmd::kFilePrintSetup]);
    fileShort_->addSeparator();
    fileShort_->addAction(actions_[cmd::kAppExit]);

    fileDoc_ = menu(tr("&File"));
    fileDoc_->setObjectName(QStringLiteral("File"));
    fileDoc_->addAction(actions_[cmd::kFileNew]);
    fileDoc_->addAction(actions_[cmd::kFileOpen]);
    fileDoc_->addAction(actions_[cmd::kFileClose]);
    fileDoc_->addAction(actions_[cmd::kFileSave]);
    fileDoc_->addAction(actions_[cmd::kFileSaveAs]);
    fileDoc_->addSeparator();
    fileDoc_->addAction(actions_[cmd::kFilePrint]);
    fileDoc_->addAction(actions_[cmd::kFilePrintPreview]);
    fileDoc_->addAction(actions_[cmd::kFilePrintSetup]);
    fileDoc_->addSeparator();
    fileDoc_->addAction(actions_[cmd::kAppExit]);

    edit_ = menu(tr("&Edit"));
    edit_->setObjectName(QStringLiteral("Edit"));
    edit_->addAction(actions_[cmd::kChannelInfo]);
    edit_->addAction(actions_[cmd::kProductInfo]);
    edit_->addAction(actions_[cmd::kOptionalFeatures]);
    edit_->addAction(actions_[cmd::kSideKey]);

    program_ = menu(tr("&Program"));
    program_->setObjectName(QStringLiteral("Program"));
    program_->addAction(actions_[cmd::kRead]);
    program_->addAction(actions_[cmd::kWrite]);
    program_->addSeparator();
    program_->addAction(actions_[cmd::kScanInfo]);

    view_ = menu(tr("&View"));
    view_->setObjectName(QStringLiteral("View"));
    view_->addAction(actions_[cmd::kViewToolbar]);
    view_->addAction(actions_[cmd::kViewStatusBar]);
    view_->addAction(actions_[cmd::kControlBar]);

    setup_ = menu(tr("&Setup"));
    setup_->setObjectName(QStringLiteral("Setup"));
    setup_->addAction(actions_[cmd::kComSetup]);
    setup_->addAction(actions_[cmd::kLanguage]);

    helpDoc_ = menu(tr("&Help"));
    helpDoc_->setObjectName(QStringLiteral("Help"));
    helpDoc_->addAction(actions_[cmd::kAppAbout]);

    // The short menu's About item keeps the pack's text.
    helpShort_ = menu(tr("&Help"));
    helpShort_->setObjectName(QStringLiteral("HelpShort"));
    QAction* aboutShort = helpShort_->addAction(actions_[cmd::kAppAbout]->text());
    aboutShort->setData(cmd::kAppAbout);
    aboutShort->setStatusTip(actions_[cmd::kAppAbout]->statusTip());
    connect(aboutShort, &QAction::triggered, this, &CMainFrame::OnAppAbout);

    // View menu order: the shared View menu sits between Program and Setup
    // in the document menu and after File in the short one.
    bar->clear();
    for (QMenu* m : {fileShort_, fileDoc_, edit_, program_, view_, setup_, helpDoc_, helpShort_}) {
        bar->addMenu(m);
    }
}

void CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(tr("Standard"));
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setIconSize(QSize(16, 16));
    const struct {
        int id;
        const char* icon;
    } buttons[] = {{cmd::kFileNew, "new"},
                   {cmd::kFileOpen, "open"},
                   {cmd::kFileSave, "save"},
                   {0, nullptr},
                   {cmd::kRead, "read"},
                   {cmd::kWrite, "write"},
                   {0, nullptr},
                   {cmd::kFilePrint, "print"},
                   {0, nullptr},
                   {cmd::kAppAbout, "about"}};
    for (const auto& button : buttons) {
        if (button.id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = actions_[button.id];
        action->setIcon(PackToolIcon(button.icon));
        toolBar_->addAction(action);
    }
    QAction* toggle = actions_[cmd::kViewToolbar];
    connect(toggle, &QAction::triggered, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
    toggle->setChecked(true);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(true);
    messagePane_ = new QLabel(tr("Ready"), bar);
    messagePane_->setObjectName(QStringLiteral("MessagePane"));
    bar->addWidget(messagePane_, 1);
    for (const char* text : {"CAP", "NUM", "SCRL"}) {
        auto* indicator = new QLabel(QString::fromLatin1(text), bar);
        indicator->setObjectName(QString::fromLatin1(text));
        indicator->setFrameShape(QFrame::Panel);
        indicator->setFrameShadow(QFrame::Sunken);
        indicator->setAlignment(Qt::AlignCenter);
        indicator->setMinimumWidth(
            indicator->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
        // Lock states cannot be queried here: shown as indicators that are off.
        indicator->setEnabled(false);
        bar->addPermanentWidget(indicator);
        indicators_.push_back(indicator);
    }
    QAction* toggle = actions_[cmd::kViewStatusBar];
    connect(toggle, &QAction::triggered, bar, &QWidget::setVisible);
    toggle->setChecked(true);
    connect(bar, &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty() && messagePane_) messagePane_->setText(tr("Ready"));
    });
}

bool CMainFrame::CreateNavigationBar() {
    navigationDock_ = new QDockWidget(this);
    navigationDock_->setObjectName(QStringLiteral("NavigationDock"));
    navigationDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    navigationDock_->setAllowedAreas(Qt::LeftDockWidgetArea);
    // The bar draws its own caption band: no dock title bar.
    auto* noTitle = new QWidget(navigationDock_);
    noTitle->setFixedSize(0, 0);
    navigationDock_->setTitleBarWidget(noTitle);
    navigationBar_ = new CNavigationBar(ctx_, this, navigationDock_);
    navigationBar_->setObjectName(QStringLiteral("NavigationBar"));
    navigationDock_->setWidget(navigationBar_);
    addDockWidget(Qt::LeftDockWidgetArea, navigationDock_);
    connect(navigationBar_, &CNavigationBar::CloseRequested, this, [this] {
        navigationDock_->hide();
        UpdateCommandUI();
    });
    connect(navigationBar_, &CNavigationBar::AreaRequested, this, &CMainFrame::OnNavigationItem);
    actions_[cmd::kControlBar]->setChecked(true);
    return navigationBar_->Tree() != nullptr;
}

void CMainFrame::OnNavigationItem(int area) {
    if (CProgramView::AnyTransferRunning() && area != CNavigationBar::ChannelInformation) return;
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

void CMainFrame::UpdateCommandUI() {
    if (!edit_) return;
    for (auto& [id, action] : actions_) {
        if (!action->property("heldByTransfer").toBool()) continue;
        action->setProperty("heldByTransfer", false);
        action->setEnabled(true);
    }
    const bool documents = !DocumentWindows().isEmpty();
    fileShort_->menuAction()->setVisible(!documents);
    helpShort_->menuAction()->setVisible(!documents);
    for (QMenu* m : {fileDoc_, edit_, program_, setup_, helpDoc_})
        m->menuAction()->setVisible(documents);

    const bool active = ActiveDocumentWindow() != nullptr;
    CProgramView* view = ActiveView();
    for (int id : kViewCommands) actions_[id]->setEnabled(view && view->IsCommandEnabled(id));
    actions_[cmd::kFileClose]->setEnabled(active);
    actions_[cmd::kFileSave]->setEnabled(active);
    actions_[cmd::kFileSaveAs]->setEnabled(active);
    actions_[cmd::kFilePrintSetup]->setEnabled(true);
    actions_[cmd::kChannelInfo]->setEnabled(active);
    for (int id : {cmd::kProductInfo, cmd::kOptionalFeatures, cmd::kSideKey}) {
        actions_[id]->setEnabled(active && IsSettingsDialogBuilt(id));
    }
    actions_[cmd::kControlBar]->setChecked(navigationDock_ && !navigationDock_->isHidden());
    actions_[cmd::kViewToolbar]->setChecked(toolBar_ && !toolBar_->isHidden());
    actions_[cmd::kViewStatusBar]->setChecked(!statusBar()->isHidden());
    // A waiting progress window must not start a second transfer.
    for (CChildFrame* frame : DocumentWindows()) {
        if (CProgramView* documentView = frame->GetView()) documentView->UpdateProgressWindow();
    }
    // A running transfer holds back every command that could take its view,
    // document or progress window away (they come back above once it ends).
    if (CProgramView::AnyTransferRunning()) {
        for (auto& [id, action] : actions_) {
            if (!action->isEnabled() || CProgramView::CommandAllowedDuringTransfer(id)) continue;
            action->setEnabled(false);
            action->setProperty("heldByTransfer", true);
        }
    }
}

void CMainFrame::OnControlBar() {
    navigationDock_->setVisible(navigationDock_->isHidden());
    UpdateCommandUI();
}

void CMainFrame::SetWindowTitleText(const std::string& title) {
    ctx_.WindowTitle = title;
    setWindowTitle(QString::fromStdString(title));
}

void CMainFrame::WinHelp(int contextNumber) {
    ctx_.help.ShowHelpTopic(contextNumber);
}

QPrinter& CMainFrame::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

void CMainFrame::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), this);
    ctx_.services.ExecDialog(dialog);
}

void CMainFrame::OnAppAbout() {
    CAboutDlg about(ctx_, this);
    ctx_.services.ExecDialog(about);
}

void CMainFrame::RouteToView(int commandId) {
    if (CProgramView* view = ActiveView()) {
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
    if (event->type() == QEvent::WindowTitleChange &&
        windowTitle() != QString::fromStdString(ctx_.WindowTitle)) {
        setWindowTitle(QString::fromStdString(ctx_.WindowTitle));
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A transfer keeps its view, document and progress window to its end.
    if (CProgramView::AnyTransferRunning()) {
        event->ignore();
        return;
    }
    // Nothing is ever marked modified: quitting never asks to save.
    event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // F1 on a highlighted menu item asks for the topic of its command.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            if (QAction* action = menu->activeAction(); action && action->data().isValid()) {
                WinHelp(action->data().toInt());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace qm530
