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
};

#undef QM530_TEXT

}  // namespace

std::span<const CommandDef<CProgramView>> ViewCommands() {
    return kViewCommands;
}

}  // namespace qm530
