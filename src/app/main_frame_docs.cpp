// The document life cycle of the main frame: New, Open, Open Backup, the
// recent files, Save, Save As, Close and bringing a hidden document window
// back.
#include <QDir>
#include <QFileInfo>

#include "app/backups_dlg.h"
#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/mdi_client.h"
#include "config/ini_file.h"
#include "config/recent_files.h"
#include "editor/program_view.h"
#include "model/dat_file.h"
#include "model/messages.h"
#include "model/program_doc.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/string_table.h"
#include "ui/ui_services.h"

namespace qm530::app {

namespace {

QString Caption(const ui::AppContext& ctx) {
    return QString::fromStdString(ctx.ApplicationName);
}

}  // namespace

CChildFrame* CMainFrame::ActiveDocumentWindow() const {
    return active_.data();
}

editor::CProgramView* CMainFrame::ActiveView() const {
    return active_ ? active_->GetView() : nullptr;
}

CProgramDoc* CMainFrame::ActiveDocument() const {
    return active_ ? active_->GetDocument() : nullptr;
}

QList<CChildFrame*> CMainFrame::DocumentWindows() const {
    QList<CChildFrame*> frames;
    if (!workspace_) return frames;
    for (QMdiSubWindow* window : workspace_->subWindowList()) {
        if (auto* frame = qobject_cast<CChildFrame*>(window)) frames.push_back(frame);
    }
    return frames;
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    if (hiding_) return;
    if (auto* frame = qobject_cast<CChildFrame*>(window); frame && frame->isVisible())
        active_ = frame;
    UpdateCommandUI();
}

CChildFrame* CMainFrame::AddDocumentWindow(std::unique_ptr<CProgramDoc> doc) {
    auto* frame = new CChildFrame(ctx_, std::move(doc));
    connect(frame, &CChildFrame::HideRequested, this, &CMainFrame::HideDocumentWindow);
    workspace_->addSubWindow(frame);
    frame->setGeometry(0, 0, 1600, 1200);
    active_ = frame;
    frame->GetView()->OnInitialUpdate();
    frame->show();
    workspace_->setActiveSubWindow(frame);
    active_ = frame;
    UpdateCommandUI();
    return frame;
}

void CMainFrame::HideDocumentWindow(CChildFrame* frame) {
    if (!frame) return;
    hiding_ = true;
    frame->hide();
    // The workspace may have made another window active: that one becomes
    // the active document window only when the user activates it.
    if (workspace_->activeSubWindow() != nullptr && workspace_->activeSubWindow() != frame) {
        workspace_->setActiveSubWindow(nullptr);
    }
    hiding_ = false;
    UpdateCommandUI();
}

void CMainFrame::DestroyDocumentWindow(CChildFrame* frame) {
    if (!frame) return;
    hiding_ = true;
    workspace_->removeSubWindow(frame);
    delete frame;
    hiding_ = false;
    UpdateCommandUI();
}

bool CMainFrame::NewDocument() {
    auto doc = std::make_unique<CProgramDoc>();
    if (!doc->OnNewDocument(ctx_.theIni.GetValue("Setup", "AppName", ""), ctx_.UiLanguage))
        return false;
    AddDocumentWindow(std::move(doc));
    return true;
}

void CMainFrame::OnFileNew() {
    if (CChildFrame* frame = ActiveDocumentWindow()) {
        const ui::MsgResult answer =
            ctx_.services.MessageBox(this, ui::StringTable(msg::kClearAll), Caption(ctx_),
                                     ui::MsgButtons::OkCancel, ui::MsgIcon::Exclamation);
        if (answer != ui::MsgResult::Ok) return;
        if (!AskToSave(frame)) return;
        DestroyDocumentWindow(frame);
    }
    NewDocument();
}

QString CMainFrame::OpenFailureText(const QString& path, const Status& failure) const {
    return tr("Cannot open the file\n%1\n%2")
        .arg(QDir::toNativeSeparators(path),
             QString::fromStdString(OpenFailureSentence(failure, ctx_.UiLanguage)));
}

Status CMainFrame::OpenFile(const QString& path) {
    auto doc = std::make_unique<CProgramDoc>();
    if (Status opened = doc->OnOpenDocument(path.toStdString()); !opened) return opened;
    // The window that was active is asked to close, which hides it.
    if (CChildFrame* previous = ActiveDocumentWindow()) HideDocumentWindow(previous);
    const std::uintmax_t size = doc->FileSize();
    AddDocumentWindow(std::move(doc));
    if (size > kImageSize) {
        const QString text =
            tr("%1\nholds %2 bytes, more than a radio image (1024 bytes): only its first 1024 "
               "bytes are shown. Save does not write over it; use Save As to save the channels "
               "to a new .dat file.")
                .arg(QDir::toNativeSeparators(path), QString::number(size));
        ctx_.services.MessageBox(this, text, Caption(ctx_), ui::MsgButtons::Ok,
                                 ui::MsgIcon::Information);
    }
    NoteRecentFile(path);
    return Status::Ok();
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
    const Status opened = OpenFile(path);
    if (!opened) {
        ctx_.services.MessageBox(this, OpenFailureText(path, opened), Caption(ctx_),
                                 ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
    }
    return opened.ok();
}

void CMainFrame::OnFileOpen() {
    const QString path = ctx_.services.GetOpenFileName(this, tr("Open"), ui::FileKind::Image);
    if (!path.isEmpty()) OpenDocumentFile(path);
}

void CMainFrame::NoteRecentFile(const QString& path) {
    config::AddRecentFile(*ctx_.registry, path.toStdString());
    UpdateRecentFiles();
}

void CMainFrame::OpenRecentFile(int index) {
    const std::vector<std::string> paths = config::RecentFiles(*ctx_.registry);
    if (index < 0 || static_cast<std::size_t>(index) >= paths.size()) return;
    const std::string& chosen = paths[static_cast<std::size_t>(index)];
    const QString path = QString::fromStdString(chosen);
    const Status opened = OpenFile(path);
    if (opened) return;
    QString text = OpenFailureText(path, opened);
    if (opened.messageId() == openfail::kMissing) {
        config::RemoveRecentFile(*ctx_.registry, chosen);
        UpdateRecentFiles();
        text += QStringLiteral("\n\n") + tr("It is taken off the list of recent files.");
    }
    ctx_.services.MessageBox(this, text, Caption(ctx_), ui::MsgButtons::Ok,
                             ui::MsgIcon::Exclamation);
}

void CMainFrame::OnFileOpenBackup() {
    CBackupsDlg dialog(ctx_, this);
    if (ctx_.services.ExecDialog(dialog) != QDialog::Accepted || !dialog.Chosen()) return;
    const link::BackupEntry backup = *dialog.Chosen();
    auto doc = std::make_unique<CProgramDoc>();
    const Status opened = doc->OnOpenCopy(
        backup.path, tr("Backup %1").arg(QString::fromStdString(backup.DateTime())).toStdString(),
        backup.fileName);
    if (!opened) {
        ctx_.services.MessageBox(this, OpenFailureText(QString::fromStdString(backup.path), opened),
                                 Caption(ctx_), ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
        return;
    }
    if (CChildFrame* previous = ActiveDocumentWindow()) HideDocumentWindow(previous);
    AddDocumentWindow(std::move(doc));
}

void CMainFrame::OnFileClose() {
    HideDocumentWindow(ActiveDocumentWindow());
}

void CMainFrame::OnChannelInfo() {
    CChildFrame* frame = ActiveDocumentWindow();
    if (!frame) return;
    frame->showNormal();
    workspace_->setActiveSubWindow(frame);
    active_ = frame;
    UpdateCommandUI();
}

namespace {

bool SaveTo(ui::AppContext& ctx, CMainFrame& frame, CChildFrame& window, const QString& path) {
    window.GetView()->GridToImage();
    const Status status = window.GetDocument()->OnSaveDocument(path.toStdString());
    if (!status) {
        QString text =
            CMainFrame::tr("Cannot save the file\n%1").arg(QDir::toNativeSeparators(path));
        // Why: in the language where the reason is known, else as the
        // system said it.
        const std::string why = OpenFailureSentence(status, ctx.UiLanguage);
        if (!why.empty()) text += QLatin1Char('\n') + QString::fromStdString(why);
        ctx.services.MessageBox(&frame, text, Caption(ctx), ui::MsgButtons::Ok,
                                ui::MsgIcon::Exclamation);
        return false;
    }
    window.GetView()->MarkSaved();
    window.setWindowTitle(QString::fromStdString(window.GetDocument()->Title()));
    frame.UpdateModifiedMarks();
    return true;
}

}  // namespace

bool CMainFrame::OnFileSave() {
    CChildFrame* window = ActiveDocumentWindow();
    if (!window) return false;
    if (!window->GetDocument()->CanSaveInPlace()) return OnFileSaveAs();
    const QString path = QString::fromStdString(window->GetDocument()->PathName());
    if (!SaveTo(ctx_, *this, *window, path)) return false;
    NoteRecentFile(path);
    return true;
}

bool CMainFrame::OnFileSaveAs() {
    CChildFrame* window = ActiveDocumentWindow();
    if (!window) return false;
    const QString proposed = QString::fromStdString(window->GetDocument()->ProposedName());
    const QString path =
        ctx_.services.GetSaveFileName(this, tr("Save As"), proposed, ui::FileKind::Image);
    if (path.isEmpty() || !SaveTo(ctx_, *this, *window, path)) return false;
    NoteRecentFile(path);
    return true;
}

}  // namespace qm530::app
