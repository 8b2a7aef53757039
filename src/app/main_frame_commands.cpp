#include "app/main_frame_commands.h"

#include <QtGlobal>

#include "app/main_frame.h"
#include "ui/command_ids.h"
#include "ui/f1_help.h"

namespace qm530::app {

namespace {

const ui::CommandDef<CMainFrame> kFrameCommands[] = {
    {ui::cmd::kFileNew, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&New"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Create a new document\nNew"),
     Qt::CTRL | Qt::Key_N, &CMainFrame::OnFileNew},
    {ui::cmd::kFileOpen, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Open..."),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Open an existing document\nOpen"),
     Qt::CTRL | Qt::Key_O, &CMainFrame::OnFileOpen},
    {ui::cmd::kFileOpenBackup,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Open &Backup..."),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Open the backup of a radio read as a new document\nOpen Backup"),
     {},
     &CMainFrame::OnFileOpenBackup},
    {ui::cmd::kFileClose,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Close"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Close the active document\nClose"),
     {},
     &CMainFrame::OnFileClose},
    {ui::cmd::kFileSave, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Save"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Save the active document\nSave"),
     Qt::CTRL | Qt::Key_S, &CMainFrame::SaveCommand},
    {ui::cmd::kFileSaveAs,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Save &As..."),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Save the active document with a new name\nSave As"),
     {},
     &CMainFrame::SaveAsCommand},
    {ui::cmd::kFilePrintSetup,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "P&rint Setup..."),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Change the printer and printing options\nPrint Setup"),
     {},
     &CMainFrame::OnFilePrintSetup},
    {ui::cmd::kAppExit,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "E&xit"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Quit the application\nExit"),
     {},
     &CMainFrame::ExitCommand},
    {ui::cmd::kChannelInfo,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Channel Information"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Show the channel window of the active document\nChannel Information"),
     {},
     &CMainFrame::OnChannelInfo},
    {ui::cmd::kProductInfo,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Product Information"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Choose the radio type and the frequency band\nProduct Information"),
     {},
     &CMainFrame::ShowProductInfo},
    {ui::cmd::kOptionalFeatures,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Optional Features"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Edit the optional features of the radio\nOptional Features"),
     {},
     &CMainFrame::ShowOptionalFeatures},
    {ui::cmd::kSideKey,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Side &Key"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Assign the functions of the side keys\nSide Key"),
     {},
     &CMainFrame::ShowSideKey},
    {ui::cmd::kViewToolbar,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Toolbar"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Show or hide the toolbar\nToggle ToolBar"),
     {},
     nullptr},
    {ui::cmd::kViewStatusBar,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Status Bar"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Show or hide the status bar\nToggle StatusBar"),
     {},
     nullptr},
    {ui::cmd::kControlBar,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Control Bar"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Show or hide the navigation bar\nControl Bar"),
     {},
     &CMainFrame::OnControlBar},
    {ui::cmd::kLanguage,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Language"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Choose the language of the program\nLanguage"),
     {},
     &CMainFrame::OnLanguage},
    {ui::cmd::kTransferTrace,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Transfer Trace"),
     QT_TRANSLATE_NOOP(
         "qm530::app::CMainFrame",
         "Write a trace of every Read and Write into your data folder\nTransfer Trace"),
     {},
     &CMainFrame::OnTransferTrace},
    {ui::cmd::kBackupBeforeWrite,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Back Up Before Writing"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Read the radio and keep a backup of its memory before every Write\n"
                       "Back Up Before Writing"),
     {},
     &CMainFrame::OnBackupBeforeWrite},
    {ui::cmd::kAppAbout,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&About Program..."),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Display program information, version number and copyright\nAbout"),
     {},
     &CMainFrame::OnAppAbout},
    {ui::cmd::kHelp,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Help Topics"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Display help for the current task or command\nHelp"),
     {},
     &CMainFrame::HelpCommand},
    {ui::cmd::kHelpScreenReader,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Using qm530 with a &Screen Reader"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "The keys and what a screen reader reads where\nScreen Reader"),
     {},
     &CMainFrame::ScreenReaderHelpCommand},
    {ui::cmd::kWindowCascade,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Cascade"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Arrange the document windows so they overlap\nCascade"),
     {},
     &CMainFrame::OnWindowCascade},
    {ui::cmd::kWindowTile,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Tile"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Arrange the document windows as tiles that do not overlap\nTile"),
     {},
     &CMainFrame::OnWindowTile},
    // Keys without a menu item.
    {ui::cmd::kNextPane, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Next Pane"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Switch to the next window pane\nNext Pane"),
     QKeyCombination(Qt::Key_F6), &CMainFrame::NextPaneCommand},
    {ui::cmd::kPrevPane, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Previous Pane"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Switch back to the previous window pane\nPrevious Pane"),
     Qt::SHIFT | Qt::Key_F6, &CMainFrame::PrevPaneCommand},
};

}  // namespace

std::span<const ui::CommandDef<CMainFrame>> FrameCommands() {
    return kFrameCommands;
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
    WinHelp(ui::FocusedHelpId(this));
}

void CMainFrame::ScreenReaderHelpCommand() {
    WinHelp(ui::cmd::kHelpScreenReader);
}

}  // namespace qm530::app
