#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/language_pack.h"
#include "app/lock_keys.h"
#include "app/lock_panes.h"
#include "app/main_frame.h"
#include "app/main_frame_commands.h"
#include "app/navigation_bar.h"
#include "config/recent_files.h"
#include "editor/program_view_commands.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"

// The main frame's actions, menus, toolbar, status bar and navigation bar.
namespace qm530::app {

QAction* CMainFrame::AddAction(int id, const char* text, const char* prompt,
                               QKeyCombination shortcut) {
    const QString menuText = ui::CommandText(text);
    const QString tip = ui::CommandText(prompt);
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
    for (const ui::CommandDef<CMainFrame>& command : FrameCommands()) {
        QAction* action = AddAction(command.id, command.text, command.prompt, command.shortcut);
        if (command.handler) connect(action, &QAction::triggered, this, command.handler);
    }
    for (const ui::CommandDef<editor::CProgramView>& command : editor::ViewCommands()) {
        const int id = command.id;
        QAction* action = AddAction(id, command.text, command.prompt, command.shortcut);
        connect(action, &QAction::triggered, this, [this, id] { RouteToView(id); });
    }
    for (int id : {ui::cmd::kViewToolbar, ui::cmd::kViewStatusBar, ui::cmd::kControlBar,
                   ui::cmd::kTransferTrace, ui::cmd::kBackupBeforeWrite})
        actions_[id]->setCheckable(true);
    for (int i = 0; i < config::kRecentFileCount; ++i) {
        auto* recent = new QAction(this);
        recent->setData(ui::cmd::kFileRecent1 + i);
        recent->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        connect(recent, &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
        connect(recent, &QAction::hovered, this, [this, recent] {
            if (messagePane_) messagePane_->setText(recent->statusTip());
        });
        recentFiles_.push_back(recent);
    }
    actions_[ui::cmd::kEditRedo]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addAction(actions_[ui::cmd::kNextPane]);
    addAction(actions_[ui::cmd::kPrevPane]);
    addAction(actions_[ui::cmd::kSpeakChannel]);
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
    // One File and one Help menu whose items follow the state (a second,
    // hidden menu would keep its mnemonic and take Alt+F): FillFileAndHelp.
    file_ = menu(tr("&File"));
    file_->setObjectName(QStringLiteral("File"));

    edit_ = menu(tr("&Edit"));
    edit_->setObjectName(QStringLiteral("Edit"));
    for (int id : {ui::cmd::kEditUndo, ui::cmd::kEditRedo, 0, ui::cmd::kEditCut, ui::cmd::kEditCopy,
                   ui::cmd::kEditPaste, ui::cmd::kEditClear, 0, ui::cmd::kMoveUp,
                   ui::cmd::kMoveDown, ui::cmd::kInsertChannel, ui::cmd::kRemoveChannel, 0}) {
        if (id == 0) {
            edit_->addSeparator();
        } else {
            edit_->addAction(actions_[id]);
        }
    }
    edit_->addAction(actions_[ui::cmd::kChannelInfo]);
    edit_->addAction(actions_[ui::cmd::kProductInfo]);
    edit_->addAction(actions_[ui::cmd::kOptionalFeatures]);
    edit_->addAction(actions_[ui::cmd::kSideKey]);

    program_ = menu(tr("&Program"));
    program_->setObjectName(QStringLiteral("Program"));
    program_->addAction(actions_[ui::cmd::kRead]);
    program_->addAction(actions_[ui::cmd::kWrite]);
    program_->addSeparator();
    program_->addAction(actions_[ui::cmd::kScanInfo]);

    view_ = menu(tr("&View"));
    view_->setObjectName(QStringLiteral("View"));
    view_->addAction(actions_[ui::cmd::kViewToolbar]);
    view_->addAction(actions_[ui::cmd::kViewStatusBar]);
    view_->addAction(actions_[ui::cmd::kControlBar]);

    setup_ = menu(tr("&Setup"));
    setup_->setObjectName(QStringLiteral("Setup"));
    setup_->addAction(actions_[ui::cmd::kComSetup]);
    setup_->addAction(actions_[ui::cmd::kLanguage]);
    setup_->addSeparator();
    setup_->addAction(actions_[ui::cmd::kTransferTrace]);
    setup_->addAction(actions_[ui::cmd::kBackupBeforeWrite]);

    window_ = menu(tr("&Window"));
    window_->setObjectName(QStringLiteral("Window"));
    connect(window_, &QMenu::aboutToShow, this, &CMainFrame::FillWindowMenu);
    FillWindowMenu();

    help_ = menu(tr("&Help"));
    help_->setObjectName(QStringLiteral("Help"));
    // Without a document the About item keeps the pack's text.
    aboutShort_ = new QAction(actions_[ui::cmd::kAppAbout]->text(), this);
    aboutShort_->setObjectName(QStringLiteral("AboutShort"));
    aboutShort_->setData(ui::cmd::kAppAbout);
    aboutShort_->setStatusTip(actions_[ui::cmd::kAppAbout]->statusTip());
    connect(aboutShort_, &QAction::triggered, this, &CMainFrame::OnAppAbout);
    connect(aboutShort_, &QAction::hovered, this,
            [this] { messagePane_->setText(aboutShort_->statusTip()); });
    FillFileAndHelp(false);

    // View menu order: View sits between Program and Setup with a document
    // and right after File without one.
    bar->clear();
    for (QMenu* m : {file_, edit_, program_, view_, setup_, window_, help_}) bar->addMenu(m);
}

void CMainFrame::FillFileAndHelp(bool documents) {
    filledForDocuments_ = documents;
    file_->clear();
    file_->addAction(actions_[ui::cmd::kFileNew]);
    file_->addAction(actions_[ui::cmd::kFileOpen]);
    file_->addAction(actions_[ui::cmd::kFileOpenBackup]);
    if (documents) {
        for (int id :
             {ui::cmd::kFileClose, ui::cmd::kFileSave, ui::cmd::kFileSaveAs, ui::cmd::kFileCompare})
            file_->addAction(actions_[id]);
        file_->addSeparator();
        file_->addAction(actions_[ui::cmd::kFileImport]);
        file_->addAction(actions_[ui::cmd::kFileExport]);
    }
    file_->addSeparator();
    if (documents) {
        file_->addAction(actions_[ui::cmd::kFilePrint]);
        file_->addAction(actions_[ui::cmd::kFilePrintPreview]);
    }
    file_->addAction(actions_[ui::cmd::kFilePrintSetup]);
    recentSeparator_ = file_->addSeparator();
    file_->addActions(recentFiles_);
    file_->addSeparator();
    file_->addAction(actions_[ui::cmd::kAppExit]);
    UpdateRecentFiles();

    help_->clear();
    help_->addAction(actions_[ui::cmd::kHelp]);
    help_->addAction(actions_[ui::cmd::kHelpScreenReader]);
    help_->addSeparator();
    help_->addAction(documents ? actions_[ui::cmd::kAppAbout] : aboutShort_);
}

void CMainFrame::UpdateRecentFiles() {
    const std::vector<std::string> paths = config::RecentFiles(*ctx_.registry);
    for (int i = 0; i < recentFiles_.size(); ++i) {
        QAction* recent = recentFiles_[i];
        const auto index = static_cast<std::size_t>(i);
        recent->setVisible(index < paths.size());
        if (index >= paths.size()) continue;
        const QString path = QDir::toNativeSeparators(QString::fromStdString(paths[index]));
        // Long paths keep their end, which names the file.
        constexpr int kShown = 60;
        const QString shown =
            path.size() > kShown ? QStringLiteral("...") + path.right(kShown - 3) : path;
        QString text = shown;
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(text));
        recent->setStatusTip(path);
    }
    if (recentSeparator_) recentSeparator_->setVisible(!paths.empty());
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
    } buttons[] = {{ui::cmd::kFileNew, "new"},
                   {ui::cmd::kFileOpen, "open"},
                   {ui::cmd::kFileSave, "save"},
                   {0, nullptr},
                   {ui::cmd::kRead, "read"},
                   {ui::cmd::kWrite, "write"},
                   {0, nullptr},
                   {ui::cmd::kFilePrint, "print"},
                   {0, nullptr},
                   {ui::cmd::kAppAbout, "about"}};
    for (const auto& button : buttons) {
        if (button.id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = actions_[button.id];
        action->setIcon(PackToolIcon(button.icon));
        toolBar_->addAction(action);
    }
    QAction* toggle = actions_[ui::cmd::kViewToolbar];
    connect(toggle, &QAction::triggered, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
    toggle->setChecked(true);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setAccessibleName(tr("Status Bar"));
    bar->setSizeGripEnabled(true);
    messagePane_ = new QLabel(tr("Ready"), bar);
    messagePane_->setObjectName(QStringLiteral("MessagePane"));
    bar->addWidget(messagePane_, 1);
    const QString lockNames[] = {tr("Caps Lock"), tr("Num Lock"), tr("Scroll Lock")};
    for (const char* text : {"CAP", "NUM", "SCRL"}) {
        auto* indicator = new QLabel(QString::fromLatin1(text), bar);
        indicator->setAccessibleName(lockNames[indicators_.size()]);
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
    new LockPanes(MakeLockKeySource(QGuiApplication::platformName().toStdString()), indicators_,
                  this);
    QAction* toggle = actions_[ui::cmd::kViewStatusBar];
    connect(toggle, &QAction::triggered, bar, &QWidget::setVisible);
    toggle->setChecked(true);
    connect(&ctx_.events, &ui::ShellEvents::Announced, messagePane_, &QLabel::setText);
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
    actions_[ui::cmd::kControlBar]->setChecked(true);
    return navigationBar_->Tree() != nullptr;
}

}  // namespace qm530::app
