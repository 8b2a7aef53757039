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
#include "editor/view_commands.h"
#include "model/program_doc.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/f1_help.h"
#include "ui/ui_services.h"

namespace qm530 {

namespace {

// The main frame's own commands (the view's are in editor/view_commands.cpp).
// The checkable bars are connected to their bars where those are made.
const CommandDef<CMainFrame> kFrameCommands[] = {
    {cmd::kFileNew, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&New"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Create a new document\nNew"), Qt::CTRL | Qt::Key_N,
     &CMainFrame::OnFileNew, false},
    {cmd::kFileOpen, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Open..."),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Open an existing document\nOpen"),
     Qt::CTRL | Qt::Key_O, &CMainFrame::OnFileOpen, false},
    {cmd::kFileClose,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Close"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Close the active document\nClose"),
     {},
     &CMainFrame::OnFileClose,
     false},
    {cmd::kFileSave, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Save"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Save the active document\nSave"), Qt::CTRL | Qt::Key_S,
     &CMainFrame::SaveCommand, false},
    {cmd::kFileSaveAs,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Save &As..."),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Save the active document with a new name\nSave As"),
     {},
     &CMainFrame::SaveAsCommand,
     false},
    {cmd::kFilePrintSetup,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "P&rint Setup..."),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Change the printer and printing options\nPrint Setup"),
     {},
     &CMainFrame::OnFilePrintSetup,
     false},
    {cmd::kAppExit,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "E&xit"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Quit the application\nExit"),
     {},
     &CMainFrame::ExitCommand,
     false},
    {cmd::kChannelInfo,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Channel Information"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Show the channel window of the active document\nChannel Information"),
     {},
     &CMainFrame::OnChannelInfo,
     true},
    {cmd::kProductInfo,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Product Information"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Choose the radio type and the frequency band\nProduct Information"),
     {},
     &CMainFrame::ShowProductInfo,
     false},
    {cmd::kOptionalFeatures,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Optional Features"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Edit the optional features of the radio\nOptional Features"),
     {},
     &CMainFrame::ShowOptionalFeatures,
     false},
    {cmd::kSideKey,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Side &Key"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Assign the functions of the side keys\nSide Key"),
     {},
     &CMainFrame::ShowSideKey,
     false},
    {cmd::kViewToolbar,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Toolbar"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Show or hide the toolbar\nToggle ToolBar"),
     {},
     nullptr,
     true},
    {cmd::kViewStatusBar,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Status Bar"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Show or hide the status bar\nToggle StatusBar"),
     {},
     nullptr,
     true},
    {cmd::kControlBar,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Control Bar"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Show or hide the navigation bar\nControl Bar"),
     {},
     &CMainFrame::OnControlBar,
     true},
    {cmd::kLanguage,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Language"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Choose the language of the program\nLanguage"),
     {},
     &CMainFrame::OnLanguage,
     false},
    {cmd::kTransferTrace,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Transfer Trace"),
     QT_TRANSLATE_NOOP(
         "qm530::CMainFrame",
         "Write a trace of every Read and Write into your data folder\nTransfer Trace"),
     {},
     &CMainFrame::OnTransferTrace,
     false},
    {cmd::kAppAbout,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&About Program..."),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Display program information, version number and copyright\nAbout"),
     {},
     &CMainFrame::OnAppAbout,
     false},
    {cmd::kHelp,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Help Topics"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Display help for the current task or command\nHelp"),
     {},
     &CMainFrame::HelpCommand,
     true},
    // Keys without a menu item.
    {cmd::kNextPane, QT_TRANSLATE_NOOP("qm530::CMainFrame", "Next Pane"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Switch to the next window pane\nNext Pane"),
     QKeyCombination(Qt::Key_F6), &CMainFrame::NextPaneCommand, true},
    {cmd::kPrevPane, QT_TRANSLATE_NOOP("qm530::CMainFrame", "Previous Pane"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Switch back to the previous window pane\nPrevious Pane"),
     Qt::SHIFT | Qt::Key_F6, &CMainFrame::PrevPaneCommand, true},
};

bool AllowedDuringTransfer(int id) {
    const CommandDef<CMainFrame>* command =
        FindCommand(std::span<const CommandDef<CMainFrame>>(kFrameCommands), id);
    return command && command->allowedDuringTransfer;
}

}  // namespace

CMainFrame::CMainFrame(AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("MainFrame"));
    // The caption is WindowTitle alone; document names never join it.
    resize(1000, 600);
    connect(&ctx_.events, &CShellEvents::CaptionChanged, this,
            [this](const QString& title) { SetWindowTitleText(title.toStdString()); });
    connect(&ctx_.events, &CShellEvents::CommandStateChanged, this, &CMainFrame::UpdateCommandUI);
    connect(&ctx_.events, &CShellEvents::ModifiedChanged, this, &CMainFrame::UpdateModifiedMarks);
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

QAction* CMainFrame::AddAction(int id, const char* text, const char* prompt,
                               QKeyCombination shortcut) {
    const QString menuText = CommandText(text);
    const QString tip = CommandText(prompt);
    auto* action = new QAction(menuText, this);
    action->setData(id);
    const int newline = tip.indexOf(QLatin1Char('\n'));
    action->setStatusTip(newline < 0 ? tip : tip.left(newline));
    action->setToolTip(newline < 0 ? menuText : tip.mid(newline + 1));
    if (shortcut.toCombined() != 0) action->setShortcut(QKeySequence(shortcut));
    actions_[id] = action;
    return action;
}

void CMainFrame::CreateActions() {
    for (const CommandDef<CMainFrame>& command : kFrameCommands) {
        QAction* action = AddAction(command.id, command.text, command.prompt, command.shortcut);
        if (command.handler) connect(action, &QAction::triggered, this, command.handler);
    }
    for (const CommandDef<CProgramView>& command : ViewCommands()) {
        const int id = command.id;
        QAction* action = AddAction(id, command.text, command.prompt, command.shortcut);
        connect(action, &QAction::triggered, this, [this, id] { RouteToView(id); });
    }
    for (int id : {cmd::kViewToolbar, cmd::kViewStatusBar, cmd::kControlBar, cmd::kTransferTrace})
        actions_[id]->setCheckable(true);
    actions_[cmd::kEditRedo]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addAction(actions_[cmd::kNextPane]);
    addAction(actions_[cmd::kPrevPane]);
    for (auto& [id, action] : actions_) {
        connect(action, &QAction::hovered, this, [this, action] {
            if (messagePane_) messagePane_->setText(action->statusTip());
        });
    }
}

void CMainFrame::SaveCommand() {
    OnFileSave();
}

void CMainFrame::SaveAsCommand() {
    OnFileSaveAs();
}

void CMainFrame::ExitCommand() {
    close();
}

void CMainFrame::NextPaneCommand() {
    MoveFocusToPane(1);
}

void CMainFrame::PrevPaneCommand() {
    MoveFocusToPane(-1);
}

// Help > Help Topics asks what F1 would: the topic of the focused control,
// the index page when it has none.
void CMainFrame::HelpCommand() {
    WinHelp(FocusedHelpId(this));
}

void CMainFrame::CreateMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [this, bar](const QString& title) {
        QMenu* m = bar->addMenu(title);
        m->installEventFilter(this);
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        return m;
    };
    // One File and one Help menu whose items follow the state (a second,
    // hidden menu would keep its mnemonic and take Alt+F): FillFileAndHelp.
    file_ = menu(tr("&File"));
    file_->setObjectName(QStringLiteral("File"));

    edit_ = menu(tr("&Edit"));
    edit_->setObjectName(QStringLiteral("Edit"));
    for (int id : {cmd::kEditUndo, cmd::kEditRedo, 0, cmd::kEditCut, cmd::kEditCopy,
                   cmd::kEditPaste, cmd::kEditClear, 0, cmd::kMoveUp, cmd::kMoveDown,
                   cmd::kInsertChannel, cmd::kRemoveChannel, 0}) {
        if (id == 0) {
            edit_->addSeparator();
        } else {
            edit_->addAction(actions_[id]);
        }
    }
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
    setup_->addSeparator();
    setup_->addAction(actions_[cmd::kTransferTrace]);

    help_ = menu(tr("&Help"));
    help_->setObjectName(QStringLiteral("Help"));
    // Without a document the About item keeps the pack's text.
    aboutShort_ = new QAction(actions_[cmd::kAppAbout]->text(), this);
    aboutShort_->setObjectName(QStringLiteral("AboutShort"));
    aboutShort_->setData(cmd::kAppAbout);
    aboutShort_->setStatusTip(actions_[cmd::kAppAbout]->statusTip());
    connect(aboutShort_, &QAction::triggered, this, &CMainFrame::OnAppAbout);
    connect(aboutShort_, &QAction::hovered, this,
            [this] { messagePane_->setText(aboutShort_->statusTip()); });
    FillFileAndHelp(false);

    // View menu order: View sits between Program and Setup with a document
    // and right after File without one.
    bar->clear();
    for (QMenu* m : {file_, edit_, program_, view_, setup_, help_}) bar->addMenu(m);
}

void CMainFrame::FillFileAndHelp(bool documents) {
    filledForDocuments_ = documents;
    file_->clear();
    file_->addAction(actions_[cmd::kFileNew]);
    file_->addAction(actions_[cmd::kFileOpen]);
    if (documents) {
        for (int id : {cmd::kFileClose, cmd::kFileSave, cmd::kFileSaveAs, cmd::kFileCompare})
            file_->addAction(actions_[id]);
        file_->addSeparator();
        file_->addAction(actions_[cmd::kFileImport]);
        file_->addAction(actions_[cmd::kFileExport]);
    }
    file_->addSeparator();
    if (documents) {
        file_->addAction(actions_[cmd::kFilePrint]);
        file_->addAction(actions_[cmd::kFilePrintPreview]);
    }
    file_->addAction(actions_[cmd::kFilePrintSetup]);
    file_->addSeparator();
    file_->addAction(actions_[cmd::kAppExit]);

    help_->clear();
    help_->addAction(actions_[cmd::kHelp]);
    help_->addSeparator();
    help_->addAction(documents ? actions_[cmd::kAppAbout] : aboutShort_);
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
        bar->addPermanentWidget(indicator);
        indicators_.push_back(indicator);
    }
    // Lit while the lock is on; grey where the platform cannot tell.
    new CLockPanes(MakeLockKeySource(QGuiApplication::platformName().toStdString()), indicators_,
                   this);
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

void CMainFrame::UpdateCommandUI() {
    if (!edit_) return;
    for (auto& [id, action] : actions_) {
        if (!action->property("heldByTransfer").toBool()) continue;
        action->setProperty("heldByTransfer", false);
        action->setEnabled(true);
    }
    const bool documents = !DocumentWindows().isEmpty();
    for (QMenu* m : {edit_, program_, setup_}) m->menuAction()->setVisible(documents);
    if (documents != filledForDocuments_) FillFileAndHelp(documents);

    const bool active = ActiveDocumentWindow() != nullptr;
    CProgramView* view = ActiveView();
    for (const CommandDef<CProgramView>& command : ViewCommands())
        actions_[command.id]->setEnabled(view && view->IsCommandEnabled(command.id));
    // The language is chosen from a document's Setup menu.
    actions_[cmd::kLanguage]->setEnabled(view != nullptr);
    actions_[cmd::kFileClose]->setEnabled(active);
    actions_[cmd::kFileSave]->setEnabled(active);
    actions_[cmd::kFileSaveAs]->setEnabled(active);
    actions_[cmd::kFilePrintSetup]->setEnabled(true);
    actions_[cmd::kChannelInfo]->setEnabled(active);
    for (int id : {cmd::kProductInfo, cmd::kOptionalFeatures, cmd::kSideKey})
        actions_[id]->setEnabled(active);
    actions_[cmd::kControlBar]->setChecked(navigationDock_ && !navigationDock_->isHidden());
    actions_[cmd::kViewToolbar]->setChecked(toolBar_ && !toolBar_->isHidden());
    actions_[cmd::kViewStatusBar]->setChecked(!statusBar()->isHidden());
    actions_[cmd::kTransferTrace]->setEnabled(!ctx_.UserDataDir.empty());
    actions_[cmd::kTransferTrace]->setChecked(ctx_.TransferTrace());
    UpdateEditCommands();
    UpdateModifiedMarks();
    // A waiting progress window must not start a second transfer.
    for (CChildFrame* frame : DocumentWindows()) {
        if (CProgramView* documentView = frame->GetView()) documentView->UpdateProgressWindow();
    }
    // A running transfer holds back every command that could take its view,
    // document or progress window away (they come back above once it ends).
    if (ctx_.transfers.Running()) {
        for (auto& [id, action] : actions_) {
            if (!action->isEnabled() || AllowedDuringTransfer(id)) continue;
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

}  // namespace qm530
