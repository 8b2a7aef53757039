// File > Import and File > Export: channel lists in the CSV column set that
// programming tools, repeater directories and spreadsheets share.
#include <QDialog>
#include <QDir>
#include <QFileInfo>

#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/import_preview_dlg.h"
#include "editor/program_view.h"
#include "model/atomic_file.h"
#include "model/channel_import.h"
#include "model/channel_list.h"
#include "model/program_doc.h"
#include "ui/app_context.h"
#include "ui/ui_services.h"

namespace qm530::editor {

void CProgramView::ShowFileMessage(const QString& text) {
    ctx_.services.MessageBox(this, text, QString::fromStdString(ctx_.ApplicationName),
                             ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
}

// The list is read and checked whole first; the preview shows what each
// row does, and OK commits the rows as typed edits would be, as one step.
void CProgramView::OnImport() {
    CommitCellEdit();
    const QString path =
        ctx_.services.GetOpenFileName(this, tr("Import"), ui::FileKind::ChannelList);
    if (path.isEmpty()) return;
    const QString shown = QDir::toNativeSeparators(path);
    const Result<std::string> text = ReadWholeFile(path.toStdString());
    if (!text) {
        ShowFileMessage(tr("Cannot read the file\n%1").arg(shown));
        return;
    }
    const Result<ChannelList> read = ReadChannelList(*text, ctx_.UiLanguage);
    if (!read) {
        ShowFileMessage(tr("%1 is not a channel list; nothing was imported.\n%2")
                            .arg(shown, QString::fromStdString(read.detail())));
        return;
    }
    const ChannelList& list = *read;
    const BandLimits band{BandLow, BandHigh};
    CImportPreviewDlg preview(ctx_, list, table_, band, this);
    if (ctx_.services.ExecDialog(preview) != QDialog::Accepted) return;
    editor_->HideCellEditors();
    ApplyImportPlan(preview.Plan(), table_, band, ctx_.UiLanguage);
    editor_->TableRefilled();
    editor_->Grid()->Refresh();
    GridToImage();
    NoteChange(tr("import"));
}

// The channels as the grid shows them, an open cell editor's text included.
void CProgramView::OnExport() {
    CommitCellEdit();
    const QFileInfo document(QString::fromStdString(doc_->ProposedName()));
    const QString name = document.completeBaseName() + QStringLiteral(".csv");
    const QString proposed =
        document.path() == QStringLiteral(".") ? name : document.dir().filePath(name);
    const QString path =
        ctx_.services.GetSaveFileName(this, tr("Export"), proposed, ui::FileKind::ChannelList);
    if (path.isEmpty()) return;
    if (const Status status = WriteFileAtomically(path.toStdString(), ChannelListCsv(table_));
        !status) {
        ShowFileMessage(
            tr("Cannot export to the file\n%1\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(status.detail())));
    }
}

}  // namespace qm530::editor
