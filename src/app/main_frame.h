#pragma once

#include <QKeyCombination>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <string>

class QAction;
class QDockWidget;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;

namespace qm530 {
class Status;
class CProgramDoc;
}  // namespace qm530

namespace qm530::editor {
class CProgramView;
}  // namespace qm530::editor

namespace qm530::ui {
struct AppContext;
struct ShellState;
}  // namespace qm530::ui

namespace qm530::app {

class CChildFrame;
class CMdiClientWnd;
class CNavigationBar;

// The main window: an MDI frame with menus, toolbar, status bar and the
// navigation bar docked at the left. It owns the document windows and the
// document life cycle (New, Open, Save, Save As, Close).
//
// The active document window is the one most recently created, opened or
// activated by the user. Hiding it (File > Close, its close box, Open of
// another file) does not make another window active, so the commands keep
// going to it and Edit > Channel Information brings it back.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(ui::AppContext& ctx, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds toolbar, status bar, navigation bar, menus and workspace.
    // False when a part could not be made; the program then ends.
    bool Create();

    ui::AppContext& Context() const { return ctx_; }

    // Documents.
    CChildFrame* ActiveDocumentWindow() const;
    editor::CProgramView* ActiveView() const;
    CProgramDoc* ActiveDocument() const;
    QList<CChildFrame*> DocumentWindows() const;
    // A new document with the default image, without asking.
    bool NewDocument();
    // Opens a .dat file in a new document window; tells the user and
    // creates nothing when the file cannot be opened.
    bool OpenDocumentFile(const QString& path);

    // Commands of the menus and the toolbar.
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFileClose();
    void OnFilePrintSetup();
    void OnChannelInfo();
    void OnControlBar();
    void OnAppAbout();
    // Stores a new language and restarts the program in it.
    void OnLanguage();
    // Turns Setup > Transfer Trace on or off.
    void OnTransferTrace();
    // Turns Setup > Back Up Before Writing on or off.
    void OnBackupBeforeWrite();
    // File > Open Backup: the chosen backup as a new, untitled document.
    void OnFileOpenBackup();
    // File > 1 to 8: opens a recent file; a missing one leaves the list.
    void OpenRecentFile(int index);
    // Handlers of the command table that take no result.
    void SaveCommand();
    void SaveAsCommand();
    void ExitCommand();
    void NextPaneCommand();
    void PrevPaneCommand();
    void HelpCommand();
    void ScreenReaderHelpCommand();
    // The Window menu (main_frame_windows.cpp): arrange the shown document
    // windows; bring document 1 to 9 of the menu to the front, shown again
    // if it was hidden.
    void OnWindowCascade();
    void OnWindowTile();
    void BringToFront(CChildFrame* frame);

    // The settings dialogs on the active document.
    void ShowProductInfo();
    void ShowOptionalFeatures();
    void ShowSideKey();

    // The caption: WindowTitle only, never a document name.
    void SetWindowTitleText(const std::string& title);
    // Enables the commands and picks the menu for the current state.
    void UpdateCommandUI();
    // Editing (main_frame_edits.cpp): the undo texts of the Edit menu, the
    // `*` of modified documents, and "Save changes to NAME?" (false: Cancel).
    void UpdateEditCommands();
    void UpdateModifiedMarks();
    QString CaptionText() const;
    bool AskToSave(CChildFrame* frame);
    bool AskToSaveAll();
    void NoteDialogEdit(const QString& step);
    // Help requests reaching the main window.
    void WinHelp(int contextNumber);

    QAction* Action(int commandId) const;
    CNavigationBar* NavigationBar() const { return navigationBar_; }
    QDockWidget* NavigationDock() const { return navigationDock_; }
    CMdiClientWnd* Workspace() const { return workspace_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QLabel* MessagePane() const { return messagePane_; }
    // True while the document menu (File, Edit, Program, View, Setup,
    // Window, Help) is shown, false for the short menu (File, View, Help).
    bool DocumentMenuShown() const;
    // The top-level menus shown now, in order.
    QList<QMenu*> ShownMenus() const;
    QPrinter& Printer();

    // Destroys a document window with its view and document (New, end of run).
    void DestroyDocumentWindow(CChildFrame* frame);
    // Hides a document window (its close box, File > Close, Open of another
    // file); it stays the active document window.
    void HideDocumentWindow(CChildFrame* frame);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void FillFileAndHelp(bool documents);
    // The recent files' items of the File menu, from the registry.
    void UpdateRecentFiles();
    void CreateToolBar();
    void CreateStatusBar();
    bool CreateNavigationBar();
    void FillWindowMenu();
    ui::ShellState State() const;
    QAction* AddAction(int id, const char* text, const char* prompt, QKeyCombination shortcut);
    void RouteToView(int commandId);
    CChildFrame* AddDocumentWindow(std::unique_ptr<CProgramDoc> doc);
    void OnSubWindowActivated(QMdiSubWindow* window);
    void OnNavigationItem(int itemIndex);
    void MoveFocusToPane(int step);
    QString OpenFailureText(const QString& path, const Status& failure) const;
    // Opens a .dat file in a new document window without telling the user
    // why it cannot be opened.
    Status OpenFile(const QString& path);
    // A file opened or saved goes first in the recent files.
    void NoteRecentFile(const QString& path);

    ui::AppContext& ctx_;
    CMdiClientWnd* workspace_ = nullptr;
    CNavigationBar* navigationBar_ = nullptr;
    QDockWidget* navigationDock_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    QList<QLabel*> indicators_;
    std::map<int, QAction*> actions_;
    QMenu* file_ = nullptr;
    QMenu* edit_ = nullptr;
    QMenu* program_ = nullptr;
    QMenu* view_ = nullptr;
    QMenu* setup_ = nullptr;
    QMenu* window_ = nullptr;
    QMenu* help_ = nullptr;
    QAction* aboutShort_ = nullptr;
    QList<QAction*> recentFiles_;  // File > 1 to 8
    QAction* recentSeparator_ = nullptr;
    bool filledForDocuments_ = false;
    QPointer<CChildFrame> active_;
    bool hiding_ = false;
};

}  // namespace qm530::app
