#include "editor/program_view_commands.h"

#include <QtGlobal>

#include "editor/program_view.h"
#include "ui/command_ids.h"

namespace qm530::editor {

namespace {

const ui::CommandDef<CProgramView> kViewCommands[] = {
    {ui::cmd::kRead, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Read"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Read Data From Radio\nRead"),
     Qt::CTRL | Qt::Key_R, &CProgramView::OnRead},
    {ui::cmd::kWrite, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Write"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Write Data To Radio\nWrite"),
     Qt::CTRL | Qt::Key_W, &CProgramView::OnWrite},
    {ui::cmd::kScanInfo,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Scan Info"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Edit the scan information\nScan Info"),
     {},
     &CProgramView::OnScanInfo},
    {ui::cmd::kComSetup,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Com Setup"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Choose the serial port of the cable\nCom Setup"),
     {},
     &CProgramView::OnComSetup},
    {ui::cmd::kFileImport,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Import..."),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Put the channels of a CSV channel list into the active document\nImport"),
     {},
     &CProgramView::OnImport},
    {ui::cmd::kFileExport,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Export..."),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Write the channels of the active document as a CSV channel list\nExport"),
     {},
     &CProgramView::OnExport},
    {ui::cmd::kFilePrint, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Print..."),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Print the active document\nPrint"),
     Qt::CTRL | Qt::Key_P, &CProgramView::OnFilePrint},
    {ui::cmd::kFilePrintDirect,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Print"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Print the active document\nPrint"),
     {},
     &CProgramView::OnFilePrint},
    {ui::cmd::kFilePrintPreview,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Print Pre&view"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Display full pages\nPrint Preview"),
     {},
     &CProgramView::OnFilePrintPreview},
    {ui::cmd::kFileCompare,
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Co&mpare..."),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Compare the active document with a file or with the radio\nCompare"),
     {},
     &CProgramView::OnCompare},
    {ui::cmd::kEditUndo, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Undo"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Undo the last action\nUndo"),
     Qt::CTRL | Qt::Key_Z, &CProgramView::OnUndo},
    {ui::cmd::kEditRedo, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Redo"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Redo the previously undone action\nRedo"),
     Qt::CTRL | Qt::Key_Y, &CProgramView::OnRedo},
    {ui::cmd::kEditCut, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Cu&t"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Cut the selected channels or cells to the clipboard\nCut"),
     Qt::CTRL | Qt::Key_X, &CProgramView::OnCut},
    {ui::cmd::kEditCopy, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Cop&y"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Copy the selected channels or cells to the clipboard\nCopy"),
     Qt::CTRL | Qt::Key_C, &CProgramView::OnCopy},
    {ui::cmd::kEditPaste, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "P&aste"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Paste tab-separated cells at the current cell\nPaste"),
     Qt::CTRL | Qt::Key_V, &CProgramView::OnPaste},
    {ui::cmd::kEditClear, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Delete"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Clear the selected channels\nDelete"),
     QKeyCombination(Qt::Key_Delete), &CProgramView::OnDelete},
    {ui::cmd::kMoveUp, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Mo&ve Up"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Move the selected channels up one place\nMove Up"),
     Qt::CTRL | Qt::Key_Up, &CProgramView::OnMoveUp},
    {ui::cmd::kMoveDown, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Move Do&wn"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Move the selected channels down one place\nMove Down"),
     Qt::CTRL | Qt::Key_Down, &CProgramView::OnMoveDown},
    {ui::cmd::kInsertChannel, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "&Insert Channel"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Insert an empty channel; the later channels shift down\nInsert Channel"),
     Qt::ALT | Qt::Key_Insert, &CProgramView::OnInsertChannel},
    {ui::cmd::kRemoveChannel, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Re&move Channel"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Remove the current channel; the later channels shift up\nRemove Channel"),
     Qt::ALT | Qt::Key_Delete, &CProgramView::OnRemoveChannel},
    // A key without a menu item.
    {ui::cmd::kSpeakChannel, QT_TRANSLATE_NOOP("qm530::app::CMainFrame", "Read Channel"),
     QT_TRANSLATE_NOOP("qm530::app::CMainFrame",
                       "Say the whole current channel in one phrase\nRead Channel"),
     Qt::CTRL | Qt::Key_I, &CProgramView::OnSpeakChannel},
};

}  // namespace

std::span<const ui::CommandDef<CProgramView>> ViewCommands() {
    return kViewCommands;
}

}  // namespace qm530::editor
