#include "editor/view_commands.h"

#include <QtGlobal>

#include "editor/program_view.h"
#include "ui/command_ids.h"

namespace qm530 {

namespace {

const CommandDef<CProgramView> kViewCommands[] = {
    {cmd::kRead, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Read"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Read Data From Radio\nRead"), Qt::CTRL | Qt::Key_R,
     &CProgramView::OnRead, false},
    {cmd::kWrite, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Write"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Write Data To Radio\nWrite"), Qt::CTRL | Qt::Key_W,
     &CProgramView::OnWrite, false},
    {cmd::kScanInfo,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Scan Info"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Edit the scan information\nScan Info"),
     {},
     &CProgramView::OnScanInfo,
     false},
    {cmd::kComSetup,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Com Setup"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Choose the serial port of the cable\nCom Setup"),
     {},
     &CProgramView::OnComSetup,
     false},
    {cmd::kFileImport,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Import..."),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Put the channels of a CSV channel list into the active document\nImport"),
     {},
     &CProgramView::OnImport,
     false},
    {cmd::kFileExport,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Export..."),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Write the channels of the active document as a CSV channel list\nExport"),
     {},
     &CProgramView::OnExport,
     false},
    {cmd::kFilePrint, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Print..."),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Print the active document\nPrint"),
     Qt::CTRL | Qt::Key_P, &CProgramView::OnFilePrint, false},
    {cmd::kFilePrintDirect,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Print"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Print the active document\nPrint"),
     {},
     &CProgramView::OnFilePrint,
     false},
    {cmd::kFilePrintPreview,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Print Pre&view"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Display full pages\nPrint Preview"),
     {},
     &CProgramView::OnFilePrintPreview,
     false},
    {cmd::kFileCompare,
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Co&mpare..."),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Compare the active document with a file or with the radio\nCompare"),
     {},
     &CProgramView::OnCompare,
     false},
    {cmd::kEditUndo, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Undo"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Undo the last action\nUndo"), Qt::CTRL | Qt::Key_Z,
     &CProgramView::OnUndo, false},
    {cmd::kEditRedo, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Redo"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Redo the previously undone action\nRedo"),
     Qt::CTRL | Qt::Key_Y, &CProgramView::OnRedo, false},
    {cmd::kEditCut, QT_TRANSLATE_NOOP("qm530::CMainFrame", "Cu&t"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Cut the selected channels or cells to the clipboard\nCut"),
     Qt::CTRL | Qt::Key_X, &CProgramView::OnCut, false},
    {cmd::kEditCopy, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Copy"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Copy the selected channels or cells to the clipboard\nCopy"),
     Qt::CTRL | Qt::Key_C, &CProgramView::OnCopy, false},
    {cmd::kEditPaste, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Paste"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Paste tab-separated cells at the current cell\nPaste"),
     Qt::CTRL | Qt::Key_V, &CProgramView::OnPaste, false},
    {cmd::kEditClear, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Delete"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Clear the selected channels\nDelete"),
     QKeyCombination(Qt::Key_Delete), &CProgramView::OnDelete, false},
    {cmd::kMoveUp, QT_TRANSLATE_NOOP("qm530::CMainFrame", "Move &Up"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Move the selected channels up one place\nMove Up"),
     Qt::CTRL | Qt::Key_Up, &CProgramView::OnMoveUp, false},
    {cmd::kMoveDown, QT_TRANSLATE_NOOP("qm530::CMainFrame", "Move Do&wn"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame", "Move the selected channels down one place\nMove Down"),
     Qt::CTRL | Qt::Key_Down, &CProgramView::OnMoveDown, false},
    {cmd::kInsertChannel, QT_TRANSLATE_NOOP("qm530::CMainFrame", "&Insert Channel"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Insert an empty channel; the later channels shift down\nInsert Channel"),
     Qt::ALT | Qt::Key_Insert, &CProgramView::OnInsertChannel, false},
    {cmd::kRemoveChannel, QT_TRANSLATE_NOOP("qm530::CMainFrame", "Re&move Channel"),
     QT_TRANSLATE_NOOP("qm530::CMainFrame",
                       "Remove the current channel; the later channels shift up\nRemove Channel"),
     Qt::ALT | Qt::Key_Delete, &CProgramView::OnRemoveChannel, false},
};

}  // namespace

std::span<const CommandDef<CProgramView>> ViewCommands() {
    return kViewCommands;
}

}  // namespace qm530
