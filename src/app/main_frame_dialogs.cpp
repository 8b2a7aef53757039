// The settings dialogs that the Edit menu and the navigation tree open on
// the active document. Without a document window the commands are disabled
// and the hooks do nothing.
#include <QCoreApplication>

#include "app/language_dlg.h"
#include "app/main_frame.h"
#include "config/ini_file.h"
#include "editor/program_view.h"
#include "model/program_doc.h"
#include "settings/optional_features_dlg.h"
#include "settings/product_info_dlg.h"
#include "settings/side_key_dlg.h"
#include "ui/app_context.h"
#include "ui/ui_services.h"

namespace qm530::app {

// The dialogs keep nothing between showings (every showing starts from the
// image and the registry), so each showing gets a fresh one.
void CMainFrame::ShowProductInfo() {
    CProgramDoc* doc = ActiveDocument();
    if (!doc) return;
    editor::CProgramView* view = ActiveView();
    settings::ProductInfoTarget target{&doc->Image, nullptr, nullptr};
    if (view) {
        target.bandLow = &view->BandLow;
        target.bandHigh = &view->BandHigh;
    }
    settings::CProductInfoDlg dialog(ctx_, target, this);
    ctx_.services.ExecDialog(dialog);
    NoteDialogEdit(tr("Product Information", "undo step"));
}

void CMainFrame::ShowOptionalFeatures() {
    CProgramDoc* doc = ActiveDocument();
    if (!doc) return;
    settings::COptionalFeaturesDlg dialog(ctx_, doc->Image, this);
    ctx_.services.ExecDialog(dialog);
    NoteDialogEdit(tr("Optional Features", "undo step"));
}

void CMainFrame::ShowSideKey() {
    CProgramDoc* doc = ActiveDocument();
    if (!doc) return;
    settings::CSideKeyDlg dialog(ctx_, doc->Image, this);
    ctx_.services.ExecDialog(dialog);
    NoteDialogEdit(tr("Side Key", "undo step"));
}

// Program.ini is written before the new instance starts, and the new
// instance is this very program file, started without a shell.
void CMainFrame::OnLanguage() {
    CLanguageDlg dialog(ctx_, this);
    if (ctx_.services.ExecDialog(dialog) != QDialog::Accepted || !dialog.LanguageChanged) return;
    ui::AppContext& ctx = ctx_;
    // Restarting makes sense only when the new language has been stored.
    if (const auto saved = ctx.theIni.Save(false); !saved) {
        ctx.services.MessageBox(
            this,
            tr("The language could not be stored:\n%1").arg(QString::fromStdString(saved.detail())),
            QString::fromStdString(ctx.ApplicationName), ui::MsgButtons::Ok,
            ui::MsgIcon::Exclamation);
        return;
    }
    close();  // this frame may be gone from here on
    ctx.services.StartDetached(QCoreApplication::applicationFilePath(), {});
}

// Setup > Transfer Trace: on or off for this user from now on; a transfer
// reads it as it starts.
void CMainFrame::OnTransferTrace() {
    ctx_.SetTransferTrace(!ctx_.TransferTrace());
    UpdateCommandUI();
}

// Setup > Back Up Before Writing: the same for the backup a Write makes first.
void CMainFrame::OnBackupBeforeWrite() {
    ctx_.SetBackupBeforeWrite(!ctx_.BackupBeforeWrite());
    UpdateCommandUI();
}

}  // namespace qm530::app
