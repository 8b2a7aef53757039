#include "editor/view_commands.h"

#include <QtGlobal>

#include "editor/program_view.h"
#include "ui/command_ids.h"

namespace qm530 {

namespace {

#define QM530_TEXT(text) QT_TRANSLATE_NOOP("qm530::CMainFrame", text)

const CommandDef<CProgramView> kViewCommands[] = {
    {cmd::kRead, QM530_TEXT("&Read"), QM530_TEXT("Read Data From Radio\nRead"),
     Qt::CTRL | Qt::Key_R, &CProgramView::OnRead, false},
    {cmd::kWrite, QM530_TEXT("&Write"), QM530_TEXT("Write Data To Radio\nWrite"),
     Qt::CTRL | Qt::Key_W, &CProgramView::OnWrite, false},
    {cmd::kScanInfo,
     QM530_TEXT("&Scan Info"),
     QM530_TEXT("Edit the scan information\nScan Info"),
     {},
     &CProgramView::OnScanInfo,
     false},
    {cmd::kComSetup,
     QM530_TEXT("&Com Setup"),
     QM530_TEXT("Choose the serial port of the cable\nCom Setup"),
     {},
     &CProgramView::OnComSetup,
     false},
    {cmd::kFilePrint, QM530_TEXT("&Print..."), QM530_TEXT("Print the active document\nPrint"),
     Qt::CTRL | Qt::Key_P, &CProgramView::OnFilePrint, false},
    {cmd::kFilePrintDirect,
     QM530_TEXT("Print"),
     QM530_TEXT("Print the active document\nPrint"),
     {},
     &CProgramView::OnFilePrint,
     false},
    {cmd::kFilePrintPreview,
     QM530_TEXT("Print Pre&view"),
     QM530_TEXT("Display full pages\nPrint Preview"),
     {},
     &CProgramView::OnFilePrintPreview,
     false},
    {cmd::kFileCompare,
     QM530_TEXT("Co&mpare..."),
     QM530_TEXT("Compare the active document with a file or with the radio\nCompare"),
     {},
     &CProgramView::OnCompare,
     false},
    {cmd::kEditUndo, QM530_TEXT("&Undo"), QM530_TEXT("Undo the last action\nUndo"),
     Qt::CTRL | Qt::Key_Z, &CProgramView::OnUndo, false},
    {cmd::kEditRedo, QM530_TEXT("&Redo"), QM530_TEXT("Redo the previously undone action\nRedo"),
     Qt::CTRL | Qt::Key_Y, &CProgramView::OnRedo, false},
    {cmd::kEditCut, QM530_TEXT("Cu&t"),
     QM530_TEXT("Cut the selected channels or cells to the clipboard\nCut"), Qt::CTRL | Qt::Key_X,
     &CProgramView::OnCut, false},
    {cmd::kEditCopy, QM530_TEXT("&Copy"),
     QM530_TEXT("Copy the selected channels or cells to the clipboard\nCopy"), Qt::CTRL | Qt::Key_C,
     &CProgramView::OnCopy, false},
    {cmd::kEditPaste, QM530_TEXT("&Paste"),
     QM530_TEXT("Paste tab-separated cells at the current cell\nPaste"), Qt::CTRL | Qt::Key_V,
     &CProgramView::OnPaste, false},
    {cmd::kEditClear, QM530_TEXT("&Delete"), QM530_TEXT("Clear the selected channels\nDelete"),
     QKeyCombination(Qt::Key_Delete), &CProgramView::OnDelete, false},
    {cmd::kMoveUp, QM530_TEXT("Move &Up"),
     QM530_TEXT("Move the selected channels up one place\nMove Up"), Qt::CTRL | Qt::Key_Up,
     &CProgramView::OnMoveUp, false},
    {cmd::kMoveDown, QM530_TEXT("Move Do&wn"),
     QM530_TEXT("Move the selected channels down one place\nMove Down"), Qt::CTRL | Qt::Key_Down,
     &CProgramView::OnMoveDown, false},
    {cmd::kInsertChannel, QM530_TEXT("&Insert Channel"),
     QM530_TEXT("Insert an empty channel; the later channels shift down\nInsert Channel"),
     Qt::ALT | Qt::Key_Insert, &CProgramView::OnInsertChannel, false},
    {cmd::kRemoveChannel, QM530_TEXT("Re&move Channel"),
     QM530_TEXT("Remove the current channel; the later channels shift up\nRemove Channel"),
     Qt::ALT | Qt::Key_Delete, &CProgramView::OnRemoveChannel, false},
};

#undef QM530_TEXT

}  // namespace

std::span<const CommandDef<CProgramView>> ViewCommands() {
    return kViewCommands;
}

}  // namespace qm530
