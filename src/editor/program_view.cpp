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
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "config/ini_file.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/program_view_commands.h"
#include "link/backup_store.h"
#include "link/com_setup_dlg.h"
#include "link/gui_transfer_host.h"
#include "link/process_dlg.h"
#include "link/traced_port.h"
#include "link/transfer_setup.h"
#include "model/messages.h"
#include "model/program_doc.h"
#include "print/print_renderer.h"
#include "settings/model_band_sync.h"
#include "settings/scan_info_dlg.h"
#include "ui/announce.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/command_state.h"
#include "ui/ui_services.h"

namespace qm530::editor {

CProgramView::CProgramView(CProgramDoc* doc, ui::AppContext& ctx, QWidget* parent)
    : QWidget(parent), doc_(doc), ctx_(ctx) {
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
    processDlg_ = new link::CProcessDlg(this);
    // OK posts the request: the transfer starts once OK's click is over.
    connect(processDlg_, &link::CProcessDlg::TransferRequested, this, &CProgramView::RunTransfer,
            Qt::QueuedConnection);
    comSetupDlg_ = new link::CComSetupDlg(
        ctx_, [this](const std::string& name) { SetPortNameOfActiveView(name); }, this);

    undoStack_ = new QUndoStack(this);
    connect(undoStack_, &QUndoStack::indexChanged, &ctx_.events,
            &ui::ShellEvents::CommandStateChanged);
    connect(undoStack_, &QUndoStack::indexChanged, this, &CProgramView::ClearComparison);
    connect(editor_, &CChannelEditor::CellCommitted, this, &CProgramView::OnCellCommitted);
    editor_->Grid()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor_->Grid(), &QWidget::customContextMenuRequested, this,
            &CProgramView::ShowGridMenu);
}

CProgramView::~CProgramView() {
    // The stack clears itself as it goes; the frame need not hear of it.
    undoStack_->disconnect(&ctx_.events);
}

link::CProcessDlg* CProgramView::ProcessDlg() const {
    return processDlg_.data();
}

link::CComSetupDlg* CProgramView::ComSetupDlg() const {
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
    // A new or opened document starts unmodified with nothing to undo.
    undoStack_->clear();
    MarkSaved();
}

void CProgramView::ImageToGrid() {
    ClearComparison();
    qm530::ImageToGrid(doc_->Image, table_, ctx_.UiLanguage);
    ApplyModelAndBand();
    editor_->TableRefilled();
}

void CProgramView::ApplyModelAndBand(bool fromImage) {
    const settings::RememberedChoice remembered{ctx_.registry->ReadDword("Type", 0),
                                                ctx_.registry->ReadDword("Field", 0)};
    const settings::ModelBandSync sync = settings::SyncModelAndBand(
        settings::ProductCatalog::Of(ctx_.theIni), ctx_.LanguageValue("AppName"), ctx_.Chinese(),
        doc_->ImageIsDefault && !fromImage, remembered, doc_->Image);
    doc_->Image[addr::kProductType] = sync.productType;
    doc_->Image[addr::kBandIndex] = sync.bandIndex;
    if (sync.remember) {
        ctx_.registry->WriteDword("Type", sync.remember->type);
        ctx_.registry->WriteDword("Field", sync.remember->field);
    }
    BandLow = sync.limits.low;
    BandHigh = sync.limits.high;
    ctx_.WindowTitle = sync.title;
    emit ctx_.events.CaptionChanged(QString::fromStdString(sync.title));
}

void CProgramView::GridToImage() {
    CommitCellEdit();
    qm530::GridToImage(table_, doc_->Image);
}

void CProgramView::CommitCellEdit() {
    editor_->CommitCellEdit();
}

bool CProgramView::IsCommandEnabled(int commandId) const {
    if (!ui::FindCommand(ViewCommands(), commandId)) return false;
    ui::ShellState state;
    state.documentWindows = state.activeDocument = state.activeView = true;
    state.transferRunning = ctx_.transfers.Running();
    state.canUndo = CanUndo();
    state.canRedo = CanRedo();
    return ui::CommandEnabled(commandId, true, state);
}

bool CProgramView::CanUndo() const {
    return undoStack_->canUndo();
}

bool CProgramView::CanRedo() const {
    return undoStack_->canRedo();
}

bool CProgramView::OnCommand(int commandId) {
    const ui::CommandDef<CProgramView>* command = ui::FindCommand(ViewCommands(), commandId);
    if (!command) return false;
    (this->*command->handler)();
    return true;
}

void CProgramView::OnRead() {
    PrepareTransfer(link::TransferDirection::kRead, tr("Read Data"), link::kReadProgressSteps);
}

void CProgramView::OnWrite() {
    PrepareTransfer(link::TransferDirection::kWrite, tr("Write Data"), link::kWriteProgressSteps);
}

// Sets the direction and shows the progress window; the transfer starts
// with its OK. While the window is open, only direction and title change.
void CProgramView::PrepareTransfer(link::TransferDirection direction, const QString& title,
                                   int steps) {
    TransferDirection = direction;
    compareRead_ = false;
    processDlg_->TransferTitle = title;
    if (processDlg_->Exists()) return;
    processDlg_->Create(window());
    processDlg_->SetRange(0, steps);
    processDlg_->ShowCentred();
}

void CProgramView::RunTransfer() {
    if (transferRunning_ || !processDlg_ || !processDlg_->Exists()) return;
    // One transfer at a time: a request that was on its way when another
    // view's transfer started finds its window ready again.
    if (!ctx_.transfers.TryEnter()) {
        processDlg_->BackToReady();
        return;
    }
    // A write sends what the grid shows, the text of an open cell editor
    // included; a read leaves an open editor alone (the grid is refilled
    // only after a complete read).
    if (TransferDirection == link::TransferDirection::kWrite) CommitCellEdit();
    transferRunning_ = true;
    editor_->setEnabled(false);
    emit ctx_.events.CommandStateChanged();

    const bool compare = compareRead_ && TransferDirection == link::TransferDirection::kRead;
    compareRead_ = false;
    // A read for File > Compare goes into an image of its own: the grid and
    // the document's default-image mark stay as they are. Bytes a read does
    // not carry stay the document's: they never show as differences.
    link::GuiTransferHost::ViewHooks hooks;
    hooks.direction = [this] { return TransferDirection; };
    hooks.imageAboutToBeSent = [this] { GridToImage(); };
    hooks.imageReceivedComplete = [this] {
        doc_->ImageIsDefault = false;
        ImageToGrid();
    };
    if (compare) hooks = {[] { return link::TransferDirection::kRead; }, nullptr, nullptr};
    RadioImage compared = doc_->Image;
    link::GuiTransferHost host(ctx_, processDlg_.data(), std::move(hooks), this);

    // Every read that completes is kept as a backup.
    const link::BackupStore backups = link::BackupStore::InUserDataDir(ctx_.UserDataDir);
    link::TransferSetup setup = link::TransferSetup::ForPort(PortName, &ctx_.theIni);
    setup.makePort = portFactory_;
    setup.backups = &backups;
    std::ofstream traceFile;
    const std::string tracePath = OpenTraceFile(traceFile);
    if (!tracePath.empty()) setup.trace = &traceFile;
    host.SetTrace(&traceFile, tracePath);
    // A write with Setup > Back Up Before Writing on reads the radio first;
    // nothing is written unless its memory is kept.
    const bool write = TransferDirection == link::TransferDirection::kWrite;
    std::optional<QString> backupNote = QString();
    if (write && ctx_.BackupBeforeWrite()) backupNote = BackUpBeforeWrite(setup, tracePath);
    const bool ran = backupNote.has_value();
    if (ran) {
        setup.traceHeading = std::string(write ? "write" : "read") + " on port " + PortName;
        const link::TransferReport report =
            link::RunTransferSetup(setup, compare ? compared : doc_->Image, host);
        lastTransfer_ = report.result;
        if (!report.backupStatus) {
            *backupNote = QString::fromStdString(
                Say(ctx_.UiLanguage, link::backuptext::kNotKept,
                    {link::BackupFailure(report.backupStatus, ctx_.UiLanguage)}));
        }
    }
    traceFile.close();

    if (processDlg_) processDlg_->DestroyWindow();
    editor_->setEnabled(true);
    transferRunning_ = false;
    ctx_.transfers.Leave();
    // A read is one step; a write changes nothing in the document.
    if (ran && lastTransfer_.direction == link::TransferDirection::kRead && !compare)
        NoteChange(tr("read from radio"));
    emit ctx_.events.CommandStateChanged();
    // Where the backup went, or why none was kept, is said with the result.
    const QString note = backupNote.value_or(QString());
    if (!compare) AnnounceTransferResult(note);
    if (compare && !note.isEmpty()) ui::Announce(ctx_, note);
    if (compare && lastTransfer_.completed()) ShowComparison(compared, QString());
    if (lastTransfer_.PartlyWritten()) {
        ctx_.services.MessageBox(this,
                                 QString::fromStdString(link::PartlyWrittenText(ctx_.UiLanguage)),
                                 QString::fromStdString(ctx_.ApplicationName), ui::MsgButtons::Ok,
                                 ui::MsgIcon::Exclamation);
    }
}

// With Setup > Transfer Trace on, a new file in the user's trace folder;
// the path, or empty when tracing is off or the file cannot be made (the
// transfer then runs without a trace).
std::string CProgramView::OpenTraceFile(std::ofstream& file) const {
    if (!ctx_.TransferTrace()) return {};
    std::error_code ec;
    std::filesystem::create_directories(ctx_.TraceFolder(), ec);
    const std::string path =
        link::NewTraceFilePath(ctx_.TraceFolder(), TransferDirection, std::time(nullptr));
    file.open(path);
    return file ? path : std::string();
}

void CProgramView::UpdateProgressWindow() {
    if (processDlg_) processDlg_->HoldOk(ctx_.transfers.Running() && !transferRunning_);
}

void CProgramView::OnComSetup() {
    ctx_.services.ExecDialog(*comSetupDlg_);
}

// The port goes to the view of the active document window, which need not
// be this one.
void CProgramView::SetPortNameOfActiveView(const std::string& name) {
    QWidget* active = ctx_.activeView ? ctx_.activeView() : this;
    if (auto* view = qobject_cast<CProgramView*>(active)) view->PortName = name;
}

// The grid goes into the image first, so that the priority channel check
// sees the channels as the grid shows them.
void CProgramView::OnScanInfo() {
    GridToImage();
    settings::CScanInfoDlg dialog(ctx_, doc_->Image, this);
    ctx_.services.ExecDialog(dialog);
    NoteChange(tr("Scan Info"));
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

void CProgramView::ReportPrintFailure(const Status& status) {
    if (status) return;
    ctx_.services.MessageBox(this, QString::fromStdString(status.detail()),
                             QString::fromStdString(ctx_.ApplicationName), ui::MsgButtons::Ok,
                             ui::MsgIcon::Exclamation);
}

// File > Print: the print dialog with the page range of this document,
// then the chosen pages.
void CProgramView::OnFilePrint() {
    const print::PrintData data = PrintDataNow();
    const int pages = print::PageCount(data.grid);
    QPrinter& printer = ctx_.Printer();
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
    QPrintPreviewDialog preview(&ctx_.Printer(), this);
    preview.setWindowTitle(tr("Print Preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&data](QPrinter* printer) { print::PrintDocument(*printer, data); });
    ctx_.services.ExecDialog(preview);
}

}  // namespace qm530::editor
