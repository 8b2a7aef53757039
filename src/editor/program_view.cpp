#include "editor/program_view.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/command_ids.h"
#include "app/ini_file.h"
#include "app/language_dlg.h"
#include "app/main_frame.h"
#include "app/program_doc.h"
#include "app/ui_services.h"
#include "editor/channel_editor.h"
#include "editor/model_band_sync.h"
#include "editor/print_renderer.h"
#include "link/com_setup_dlg.h"
#include "link/gui_transfer_host.h"
#include "link/port_device.h"
#include "link/posix_serial_port.h"
#include "link/process_dlg.h"
#include "settings/scan_info_dlg.h"

namespace qm530 {

namespace {

// Transfers running now, in all views together.
int runningTransfers = 0;

}  // namespace

CProgramView::CProgramView(CProgramDoc* doc, AppContext& ctx, QWidget* parent)
    : QWidget(parent), doc_(doc), ctx_(ctx), languageDlg_(std::make_unique<CLanguageDlg>(ctx)) {
    setObjectName(QStringLiteral("ProgramView"));
    editor_ = new CChannelEditor(
        ctx_, table_,
        [this] {
            return BandLimits{BandLow, BandHigh};
        },
        this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);
    setFocusProxy(editor_);

    // Both dialogs are windows of their own that go with the view.
    processDlg_ = new CProcessDlg(this);
    // OK posts the request: the transfer starts once OK's click is over.
    connect(processDlg_, &CProcessDlg::TransferRequested, this, &CProgramView::RunTransfer,
            Qt::QueuedConnection);
    comSetupDlg_ = new CComSetupDlg(
        ctx_, [this](const std::string& name) { SetPortNameOfActiveView(name); }, this);
}

CProgramView::~CProgramView() = default;

CProcessDlg* CProgramView::ProcessDlg() const {
    return processDlg_.data();
}

CComSetupDlg* CProgramView::ComSetupDlg() const {
    return comSetupDlg_.data();
}

void CProgramView::OnInitialUpdate() {
    if (firstUpdate_) {
        editor_->FirstUpdate();
        firstUpdate_ = false;
    }
    // Shrink the document window to the form (never grow it).
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        const QSize form = frame->sizeHint();
        frame->resize(std::min(frame->width(), form.width()),
                      std::min(frame->height(), form.height()));
    }
    if (QWidget* frame = parentWidget()) {
        const QString iconFile = QString::fromStdString(ctx_.ProgramFile("title.ico"));
        frame->setWindowIcon(QPixmap(iconFile).isNull() ? QIcon() : QIcon(iconFile));
    }
    ImageToGrid();
}

void CProgramView::ImageToGrid() {
    qm530::ImageToGrid(doc_->Image, table_, ctx_.UiLanguage, [this](RadioImage& image) {
        const BandLimits band = SyncModelAndBand(ctx_, image);
        BandLow = band.low;
        BandHigh = band.high;
    });
    editor_->TableRefilled();
}

void CProgramView::GridToImage() {
    CommitCellEdit();
    qm530::GridToImage(table_, doc_->Image);
}

void CProgramView::CommitCellEdit() {
    editor_->CommitCellEdit();
}

bool CProgramView::AnyTransferRunning() {
    return runningTransfers > 0;
}

bool CProgramView::CommandAllowedDuringTransfer(int commandId) {
    switch (commandId) {
        case cmd::kViewToolbar:
        case cmd::kViewStatusBar:
        case cmd::kControlBar:
        case cmd::kChannelInfo:
        case cmd::kHelp:
        case cmd::kNextPane:
        case cmd::kPrevPane:
            return true;
        default:
            return false;
    }
}

bool CProgramView::IsCommandEnabled(int commandId) const {
    if (AnyTransferRunning()) return false;
    switch (commandId) {
        case cmd::kRead:
        case cmd::kWrite:
        case cmd::kComSetup:
        case cmd::kLanguage:
            return true;
        case cmd::kScanInfo:
            return true;
        case cmd::kFilePrint:
        case cmd::kFilePrintDirect:
        case cmd::kFilePrintPreview:
            return true;
        default:
            return false;
    }
}

bool CProgramView::OnCommand(int commandId) {
    switch (commandId) {
        case cmd::kRead:
            OnRead();
            return true;
        case cmd::kWrite:
            OnWrite();
            return true;
        case cmd::kComSetup:
            OnComSetup();
            return true;
        case cmd::kScanInfo:
            OnScanInfo();
            return true;
        case cmd::kLanguage:
            OnLanguage();
            return true;
        case cmd::kFilePrint:
        case cmd::kFilePrintDirect:
            OnFilePrint();
            return true;
        case cmd::kFilePrintPreview:
            OnFilePrintPreview();
            return true;
        default:
            return false;
    }
}

void CProgramView::OnRead() {
    PrepareTransfer(0, "Read Data", "读数据", link::kReadProgressSteps);
}

void CProgramView::OnWrite() {
    PrepareTransfer(1, "Write Data", "写数据", link::kWriteProgressSteps);
}

// Sets the direction and shows the progress window; the transfer starts
// with its OK. While the window is open, only direction and title change.
void CProgramView::PrepareTransfer(int direction, const char* englishTitle,
                                   const char* chineseTitle, int steps) {
    TransferDirection = direction;
    processDlg_->TransferTitle = QString::fromUtf8(ctx_.Pick(englishTitle, chineseTitle));
    if (processDlg_->Exists()) return;
    processDlg_->Create(ctx_.mainFrame ? static_cast<QWidget*>(ctx_.mainFrame) : window());
    processDlg_->SetRange(0, steps);
    processDlg_->ShowCentred();
}

void CProgramView::RunTransfer() {
    if (transferRunning_ || !processDlg_ || !processDlg_->Exists()) return;
    // One transfer at a time: a request that was on its way when another
    // view's transfer started finds its window ready again.
    if (AnyTransferRunning()) {
        processDlg_->BackToReady();
        return;
    }
    // A write sends what the grid shows, the text of an open cell editor
    // included; a read leaves an open editor alone (the grid is refilled
    // only after a complete read).
    if (TransferDirection == 1) CommitCellEdit();
    transferRunning_ = true;
    ++runningTransfers;
    editor_->setEnabled(false);
    UpdateFrameCommands();

    GuiTransferHost::ViewHooks hooks;
    hooks.direction = [this] {
        return TransferDirection == 1 ? link::TransferDirection::kWrite
                                      : link::TransferDirection::kRead;
    };
    hooks.gridToImage = [this] { GridToImage(); };
    hooks.imageToGrid = [this] { ImageToGrid(); };
    GuiTransferHost host(ctx_, processDlg_.data(), std::move(hooks), this);
    std::unique_ptr<link::SerialPort> port =
        portFactory_ ? portFactory_() : std::make_unique<link::PosixSerialPort>();
    lastTransfer_ =
        link::RunTransfer(link::PortDevice(PortName, ctx_.theIni), *port, doc_->Image, host);

    if (processDlg_) processDlg_->DestroyWindow();
    editor_->setEnabled(true);
    transferRunning_ = false;
    --runningTransfers;
    UpdateFrameCommands();
}

void CProgramView::UpdateFrameCommands() {
    if (ctx_.mainFrame) ctx_.mainFrame->UpdateCommandUI();
}

void CProgramView::UpdateProgressWindow() {
    if (processDlg_) processDlg_->HoldOk(AnyTransferRunning() && !transferRunning_);
}

void CProgramView::OnComSetup() {
    ctx_.services.ExecDialog(*comSetupDlg_);
}

// The port goes to the view of the active document window, which need not
// be this one.
void CProgramView::SetPortNameOfActiveView(const std::string& name) {
    CProgramView* view = ctx_.mainFrame ? ctx_.mainFrame->ActiveView() : this;
    if (view) view->PortName = name;
}

// The grid goes into the image first, so that the priority channel check
// sees the channels as the grid shows them.
void CProgramView::OnScanInfo() {
    GridToImage();
    CScanInfoDlg dialog(ctx_, doc_->Image, this);
    ctx_.services.ExecDialog(dialog);
}
// What the printout shows: the grid's texts as they stand, the image's
// radio-wide settings, and the owner text of the language section.
print::PrintData CProgramView::PrintDataNow() const {
    print::PrintData data;
    data.grid = table_;
    data.image = doc_->Image;
    data.lang = ctx_.UiLanguage;
    data.owner = ctx_.theIni.GetValue(ctx_.LanguageName, "Copyrights Owner", "");
    return data;
}

QPrinter& CProgramView::Printer() {
    if (ctx_.mainFrame) return ctx_.mainFrame->Printer();
    if (!ownPrinter_) ownPrinter_ = std::make_unique<QPrinter>();
    return *ownPrinter_;
}

void CProgramView::ReportPrintFailure(const Status& status) {
    if (status) return;
    ctx_.services.MessageBox(this, QString::fromStdString(status.detail()),
                             QString::fromStdString(ctx_.ApplicationName), MsgButtons::Ok,
                             MsgIcon::Exclamation);
}

// File > Print: the print dialog with the page range of this document,
// then the chosen pages.
void CProgramView::OnFilePrint() {
    const print::PrintData data = PrintDataNow();
    const int pages = print::PageCount(data.grid);
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (ctx_.services.ExecDialog(dialog) != QDialog::Accepted) return;
    const bool range = printer.printRange() == QPrinter::PageRange;
    ReportPrintFailure(print::PrintDocument(printer, data, range ? printer.fromPage() : 0,
                                            range ? printer.toPage() : 0));
}

// File > Print Preview: every page as it would print, on the chosen printer.
void CProgramView::OnFilePrintPreview() {
    const print::PrintData data = PrintDataNow();
    QPrintPreviewDialog preview(&Printer(), this);
    preview.setWindowTitle(QString::fromUtf8(ctx_.Pick("Print Preview", "打印预览")));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&data](QPrinter* printer) { print::PrintDocument(*printer, data); });
    ctx_.services.ExecDialog(preview);
}

// Stores a new language and restarts the program in it: Program.ini is
// written before the new instance starts, and the new instance is this
// very program file, started without a shell.
void CProgramView::OnLanguage() {
    languageDlg_->LanguageChanged = false;
    if (ctx_.services.ExecDialog(*languageDlg_) != QDialog::Accepted ||
        !languageDlg_->LanguageChanged)
        return;
    AppContext& ctx = ctx_;
    if (ctx.mainFrame) ctx.mainFrame->close();  // this view may be gone from here on
    ctx.theIni.Save(false);
    ctx.services.StartDetached(QCoreApplication::applicationFilePath(), {});
}

}  // namespace qm530
